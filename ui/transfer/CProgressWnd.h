// The progress window of a transfer: a caption with the percentage done, a few lines of text,
// a bar and a Cancel button. Made modal, it disables the main window until it is destroyed.
// Cancel and Escape only ask its owner to cancel. Its position is kept in the settings.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

class CProgressWnd : public QObject {
    Q_OBJECT

public:
    static constexpr int MAX_TEXT = 511;

    CProgressWnd();
    ~CProgressWnd() override;

    // mainWindow null: the application's main window.
    int GoModal(const QString& title = QStringLiteral("Progress"), int smooth = 0, QWidget* mainWindow = nullptr);
    int Create(QWidget* parent, const QString& title, int smooth);
    // A new title for the window, the percentage after it as before.
    void SetTitle(const QString& title);
    void SetRange(int lower, int upper, int step = 1);
    // Returns the previous position.
    int SetPos(int pos);
    // Windows-1252 text; what goes beyond MAX_TEXT bytes is dropped.
    void SetText(const std::string& text);
    void SetText(const QString& text);
    void Show();
    void Hide();
    // Cancel or Escape: asks the owner to cancel, until the owner has agreed.
    void OnCancel();
    // The owner agreed: the button goes grey and the text says what happens now.
    void SetCancelled(const std::string& text);
    void DestroyWindow();

    int Cancelled() const { return m_bCancelled; }
    QPushButton* GetCancelButton() const { return m_pCancel; }
    bool HasWindow() const { return m_pWnd != nullptr; }
    QWidget* GetWindow() const { return m_pWnd.get(); }
    QString GetText() const;
    int GetBarPos() const;

signals:
    void cancelRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetSize(int lines, int width);
    // Saves the position, gives the main window back and lets the window go.
    std::unique_ptr<QWidget> ReleaseWindow();
    void PlaceWindow();
    static QWidget* MainWindow();

    std::unique_ptr<QWidget> m_pWnd;
    QLabel* m_pText = nullptr;
    QProgressBar* m_pBar = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPointer<QWidget> m_pMainWnd;
    QString m_strTitle = QStringLiteral("Progress");
    QString m_strCancelLabel = QStringLiteral(" Cancel ");
    int m_bCancelled = 0;
    int m_bModal = 0;
    int m_bPersistantPosition = 1;
    int m_nPrevPos = 0;
    int m_nPrevPercent = 0;
    int m_nStep = 1;
    int m_nMaxValue = 100;
    int m_nMinValue = 0;
    int m_nNumTextLines = 4;
};
