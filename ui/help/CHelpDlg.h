// The help window: the user's guide, carried by the program as a resource, with its contents
// beside it, Back and Forward, and a find field. It opens at a topic (a section's anchor, as
// model/HelpTopic.h names the sheets' columns) and does not block the main window.
#pragma once

#include <QDialog>
#include <QStandardItemModel>
#include <QUrl>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;
class QTreeView;

class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);

    // Shows the section of topic, or the guide's start for an empty topic, and brings the
    // window to the front with the keys on the page.
    void ShowTopic(const QString& topic);
    // The guide's address inside the program, in the language the program speaks.
    static QUrl ManualUrl();

    // The next place of the find field's text after the last one found, or after the top of
    // the page shown (backward: before it), going round the end; false when the guide holds it
    // nowhere.
    bool FindNext(bool backward = false);

    QTextBrowser* GetBrowser() const { return m_browser; }
    QTreeView* GetContents() const { return m_tree; }
    QLineEdit* GetFindField() const { return m_find; }
    // Says "Not found" when the last find found nothing.
    QLabel* GetFindState() const { return m_findState; }
    QToolButton* GetBackButton() const { return m_back; }
    QToolButton* GetForwardButton() const { return m_forward; }

private:
    // The section of topic, or the start, in the window as it is.
    void Navigate(const QString& topic);
    // The contents: a chapter per h2 heading, a section per h3, each by its first anchor.
    void BuildContents();
    // Selects the contents' entry of the section shown.
    void FollowSource(const QUrl& url);

    QTextBrowser* m_browser;
    QTreeView* m_tree;
    QStandardItemModel m_contents;
    QLineEdit* m_find;
    QLabel* m_findState;
    QToolButton* m_back;
    QToolButton* m_forward;
    bool m_opened = false;  // shown at a topic once
};
