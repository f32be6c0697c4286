// Where the rules ignored for one unit are kept: the plant open in the window. The checks ask it
// which unit the open set-up is and change that unit's list.
#pragma once

#include <QString>

#include <string>
#include <vector>

struct PlantUnit;

class IUnitIgnores {
public:
    virtual ~IUnitIgnores() = default;

    // The open plant's unit whose set-up is open in the window, or null.
    virtual const PlantUnit* DocumentUnit() const = 0;
    // False (and told) when the rules could not be kept.
    virtual bool SetUnitIgnores(const QString& tag, const std::vector<std::string>& rules) = 0;
    // The rules ignored in every set-up, which the plant leaves out of its units' findings too.
    virtual void ShowIgnoredEverywhere(const std::vector<std::string>& rules) = 0;
};
