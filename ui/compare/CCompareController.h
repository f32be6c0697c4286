// Compare and Verify in the desktop program: the document's set-up against a saved file or
// against what the unit holds. While the comparison window is open the differences (the core's
// CSetupComparison or CUnitVerification) are computed again after every change of the document,
// and the differing cells are marked in the grids; a difference double-clicked is shown in its
// grid, and a sheet or everything can be taken over from the other side as one undo step.
#pragma once

#include "compare/CellDifference.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class CCompareDlg;
class IFrame;
class CQ4kUnit;
class CUnitImage;
class CUnitVerification;
struct TypingRefusal;

class CCompareController : public QObject {
    Q_OBJECT

public:
    explicit CCompareController(IFrame& frame);
    ~CCompareController() override;

    // Tools Compare with File: asks for a .q4g file and compares the set-up with it.
    void OnCompareWithFile();
    // Compares with the file at path; false when it cannot be read (the message says why).
    bool CompareWithFile(const QString& path);
    // Tools Compare with Unit and Verify Unit: read the unit (the document stays as it is
    // whatever the transfer does), then compare. Verify first says whether the unit holds the
    // set-up and opens the comparison only when cells differ.
    void OnCompareWithUnit();
    void OnVerifyUnit();
    // What follows a completed read of the unit; held is what the unit sent.
    void CompareWithUnit(const CUnitImage& held, bool verify);

    // The comparison window while it is open, else null.
    CCompareDlg* GetDialog() const;
    const std::vector<CellDifference>& GetDifferences() const { return m_differences; }

    // Computes the differences again and shows them, in the window and in the grids.
    void Refresh();
    // Every change of the document (an edit, undo, redo, a file read, a download) shows anew.
    void DocumentChanged();
    // Marks the cells in the grids in place of the comparison's own (while a question about
    // them is open); an empty list brings the comparison's marks back.
    void MarkOthers(const std::vector<CellDifference>& cells);
    // Shows the cell of a difference in its grid.
    void ShowDifference(const CellDifference& difference);
    // Types the other side's texts of a sheet (-1: of every sheet) into the document as one
    // step; the cells that refuse them are told in one message.
    void Take(int sheet);

signals:
    // The document's set-up was changed from the other side: one step, named by label.
    void setupTaken(const QString& label);

private:
    // Shows the differences against the other side named other (m_fileUnit or m_held).
    void Open(const QString& other);
    // The window has closed: marks and the other side go.
    void OnClosed();
    void Compute();
    void MarkCells(const std::vector<CellDifference>& cells);
    const CQ4kUnit* OtherUnit() const;
    // What Verify Unit says, and the comparison with the unit above its list.
    static QString Verdict(const CUnitVerification& verification);
    QString Summary() const;
    QString RefusalsText(const std::vector<TypingRefusal>& refusals) const;

    IFrame& m_frame;
    QString m_other;                            // the other side's name: a file's, "Unit"
    std::unique_ptr<CQ4kUnit> m_fileUnit;         // a file compared with
    std::unique_ptr<CUnitImage> m_held;           // or the blocks the unit sent
    std::unique_ptr<CUnitVerification> m_verification;
    std::vector<CellDifference> m_differences;
    std::unique_ptr<CCompareDlg> m_dlg;
};
