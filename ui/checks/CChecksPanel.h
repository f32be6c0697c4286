// The Checks panel: a dock beside the grids listing the findings of the set-up checks. Enter or
// a double click goes to a finding's cell, Escape back to the sheet, F1 to its rule in the manual;
// its context menu ignores a rule, for the unit of a plant or for every set-up, and takes it back.
#pragma once

#include "check/Finding.h"

#include <QDockWidget>

#include <string>
#include <vector>

class CChecksModel;
class QLabel;
class QTableView;

class CChecksPanel : public QDockWidget {
    Q_OBJECT

public:
    // A rule ignored, and where: for the plant's unit (its tag) or, with an empty tag, everywhere.
    struct Ignored {
        std::string rule;
        QString tag;
    };

    CChecksPanel(CChecksModel& model, QWidget* parent = nullptr);

    QTableView* GetTable() const { return m_table; }
    // The finding under the cursor, or null.
    const Finding* CurrentFinding() const;
    // Puts the keys into the list, at its first finding when none is current.
    void FocusPanel();
    // What the context menu offers: the unit of the plant the set-up belongs to (empty: none),
    // and the rules ignored now, listed on the panel's last line.
    void SetIgnored(const QString& unitTag, std::vector<Ignored> ignored);
    // The context menu for the current finding; the caller shows it (tests trigger its actions).
    QMenu* CreateContextMenu();

signals:
    void goToFinding(FindingCell cell);
    // Escape: back to the sheet, the cursor where it was.
    void backToSheet();
    void helpRequested(const QString& topic);
    // tag empty: in every set-up.
    void ignoreRule(const std::string& rule, const QString& tag);
    void takeBack(const std::string& rule, const QString& tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowContextMenu(const QPoint& global);
    void UpdateIgnoredLine();
    // After the findings changed: the cursor on the same finding as before where it still is.
    void KeepCurrent();

    CChecksModel& m_model;
    QTableView* m_table;
    QLabel* m_ignoredLine;
    QString m_unitTag;
    std::vector<Ignored> m_ignored;
    std::string m_currentRule;
    FindingCell m_currentCell;
    int m_currentRow = -1;
};
