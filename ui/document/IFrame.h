// What the main window lends the rooms whose windows live in it: the window itself, the open
// set-up and its sheets, the commands, the printer and the transfers.
#pragma once

class CDocManager;
class CJobQuestions;
class CQ4150Doc;
class CQ4150View;
class CTransferController;
class QAction;
class QMainWindow;
class QPrinter;
class QWidget;

class IFrame {
public:
    virtual ~IFrame() = default;

    // The parent of the rooms' windows; their docks, actions and status bar go into it.
    virtual QMainWindow& Window() = 0;
    virtual CQ4150Doc& GetDocument() const = 0;
    virtual CDocManager& GetDocManager() const = 0;

    // The sheets, one view each, in the order of their tabs.
    virtual int GetViewCount() const = 0;
    virtual CQ4150View* GetQ4View(int page) const = 0;
    virtual CQ4150View* GetActiveQ4View() const = 0;
    virtual void SetActiveView(int page) = 0;

    virtual QAction* GetAction(int id) const = 0;
    virtual QPrinter& GetPrinter() const = 0;
    virtual CTransferController& GetTransfers() const = 0;
    virtual bool IsTransferring() const = 0;
    virtual CJobQuestions& GetJobQuestions() const = 0;
};
