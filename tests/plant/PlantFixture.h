// A temporary folder for plant files, and set-ups made by typing into a default unit.
#pragma once

#include "model/CDocumentFile.h"
#include "support/RecordingPrompt.h"
#include "unit/CQ4kUnit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

// sheet, row, col, text as typed into the grids.
using CellEdit = std::tuple<int, int, int, std::string>;

class PlantFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "q4plantXXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // A default set-up with the edits typed in, saved as name.
    void MakeSetup(const std::string& name, const std::vector<CellEdit>& edits)
    {
        RecordingPrompt prompt;
        CQ4kUnit unit(prompt);
        unit.Initialize();
        for (const auto& [sheet, row, col, text] : edits)
            ASSERT_TRUE(unit.GetSetupType(sheet)->ValidateData(row, col, text)) << text;
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        CDocumentFile file;
        q4::Status saved = file.Save(unit, Path(name));
        ASSERT_TRUE(saved) << saved.Reason();
    }

    std::filesystem::path m_dir;
};
