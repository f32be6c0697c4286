// The help window over the user's guide.
#include "ui/help/CHelpDlg.h"

#include "ui/common/CLanguage.h"
#include "ui/common/ScreenFit.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The anchor a contents entry leads to, and every anchor of its heading (columns described
// together share one).
constexpr int AnchorRole = Qt::UserRole + 1;
constexpr int AnchorsRole = Qt::UserRole + 2;

QModelIndex FindAnchor(const QStandardItemModel& model, const QModelIndex& parent, const QString& anchor)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        QModelIndex index = model.index(row, 0, parent);
        if (index.data(AnchorsRole).toStringList().contains(anchor))
            return index;
        QModelIndex below = FindAnchor(model, index, anchor);
        if (below.isValid())
            return below;
    }
    return QModelIndex();
}

QToolButton* MakeButton(QWidget* parent, const QString& text, QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent),
      m_browser(new QTextBrowser(this)),
      m_tree(new QTreeView(this)),
      m_find(new QLineEdit(this)),
      m_findState(new QLabel(this)),
      m_back(MakeButton(this, tr("Back"), QStyle::SP_ArrowBack)),
      m_forward(MakeButton(this, tr("Forward"), QStyle::SP_ArrowForward))
{
    setWindowTitle(tr("Q4150 Programmer Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    auto* home = MakeButton(this, tr("Start"), QStyle::SP_DirHomeIcon);
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    auto* findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setBuddy(m_find);
    m_find->setClearButtonEnabled(true);
    m_find->setToolTip(tr("Enter or F3 finds the next place, Shift+F3 the one before"));

    auto* bar = new QHBoxLayout;  // taken by the layout below
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(home);
    bar->addStretch(1);
    bar->addWidget(findLabel);
    bar->addWidget(m_find, 1);
    bar->addWidget(m_findState);

    m_tree->setModel(&m_contents);
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setAccessibleName(tr("Contents"));
    m_browser->setAccessibleName(tr("User's guide"));
    m_browser->setOpenExternalLinks(true);
    auto* split = new QSplitter(this);
    split->addWidget(m_tree);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 600});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    resize(q4ui::SizeWithinScreen(*this, QSize(900, 640)));

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { Navigate(QString()); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpDlg::FollowSource);
    connect(m_tree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        Navigate(index.data(AnchorRole).toString());
    });
    connect(m_tree, &QTreeView::activated, this, [this](const QModelIndex& index) {
        Navigate(index.data(AnchorRole).toString());
    });
    connect(m_find, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(m_find, &QLineEdit::textChanged, m_findState, &QLabel::clear);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_find->setFocus();
        m_find->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, [this] { FindNext(); });
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this, [this] { FindNext(true); });

    // Tab goes through the window as it reads: the bar, then the contents, then the page.
    setTabOrder(m_back, m_forward);
    setTabOrder(m_forward, home);
    setTabOrder(home, m_find);
    setTabOrder(m_find, m_tree);
    setTabOrder(m_tree, m_browser);

    m_browser->setSource(ManualUrl());
    BuildContents();
}

// English at the top of the guide's folder, another language in a folder of its own.
QUrl CHelpDlg::ManualUrl()
{
    const QString language = CLanguage::Speaking();
    const QString translated = QStringLiteral(":/manual/%1/index.html").arg(language);
    if (language != QLatin1String("en") && QFile::exists(translated))
        return QUrl(QStringLiteral("qrc") + translated);
    return QUrl(QStringLiteral("qrc:/manual/index.html"));
}

// The keys go to the page, so that the arrows and Page Down read on at once.
void CHelpDlg::ShowTopic(const QString& topic)
{
    Navigate(topic);
    if (!m_opened)
        m_browser->clearHistory();  // Back leads nowhere before the reader has moved
    m_opened = true;
    show();
    raise();
    activateWindow();
    m_browser->setFocus(Qt::OtherFocusReason);
}

void CHelpDlg::Navigate(const QString& topic)
{
    QUrl url = ManualUrl();
    if (!topic.isEmpty())
        url.setFragment(topic);
    m_browser->setSource(url);
    if (topic.isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
}

bool CHelpDlg::FindNext(bool backward)
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (backward)
        flags |= QTextDocument::FindBackward;
    // From the last place found while it is in view; otherwise from the top of the page shown.
    QTextCursor from = m_browser->textCursor();
    const QRect view = m_browser->viewport()->rect();
    if (!view.intersects(m_browser->cursorRect(from))) {
        from = m_browser->cursorForPosition(view.topLeft());
        m_browser->setTextCursor(from);
    }
    bool found = m_browser->find(text, flags);
    if (!found) {
        QTextCursor round = from;
        round.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(round);
        found = m_browser->find(text, flags);
        if (!found)
            m_browser->setTextCursor(from);
    }
    m_findState->setText(found ? QString() : tr("Not found"));
    return found;
}

void CHelpDlg::BuildContents()
{
    m_contents.clear();
    QStandardItem* chapter = nullptr;
    for (QTextBlock block = m_browser->document()->begin(); block.isValid(); block = block.next()) {
        int level = block.blockFormat().headingLevel();
        if (level != 2 && level != 3)
            continue;
        QStringList anchors;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            anchors += it.fragment().charFormat().anchorNames();
        if (anchors.isEmpty())
            continue;  // a heading no link leads to, such as the printed contents
        auto* item = new QStandardItem(block.text().trimmed());
        item->setData(anchors.first(), AnchorRole);
        item->setData(anchors, AnchorsRole);
        if (level == 2 || !chapter) {
            m_contents.appendRow(item);
            chapter = item;
        } else {
            chapter->appendRow(item);
        }
    }
}

void CHelpDlg::FollowSource(const QUrl& url)
{
    const QString anchor = url.fragment();
    QModelIndex found = anchor.isEmpty() ? QModelIndex() : FindAnchor(m_contents, QModelIndex(), anchor);
    if (!found.isValid()) {
        m_tree->clearSelection();
        return;
    }
    m_tree->setCurrentIndex(found);
    m_tree->scrollTo(found);
}
