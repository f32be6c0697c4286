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
      m_pBrowser(new QTextBrowser(this)),
      m_pTree(new QTreeView(this)),
      m_pFind(new QLineEdit(this)),
      m_pFindState(new QLabel(this)),
      m_pBack(MakeButton(this, tr("Back"), QStyle::SP_ArrowBack)),
      m_pForward(MakeButton(this, tr("Forward"), QStyle::SP_ArrowForward))
{
    setWindowTitle(tr("Q4150 Programmer Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    auto* home = MakeButton(this, tr("Start"), QStyle::SP_DirHomeIcon);
    m_pBack->setShortcut(QKeySequence::Back);
    m_pForward->setShortcut(QKeySequence::Forward);
    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);
    auto* findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setBuddy(m_pFind);
    m_pFind->setClearButtonEnabled(true);
    m_pFind->setToolTip(tr("Enter or F3 finds the next place, Shift+F3 the one before"));

    auto* bar = new QHBoxLayout;  // taken by the layout below
    bar->addWidget(m_pBack);
    bar->addWidget(m_pForward);
    bar->addWidget(home);
    bar->addStretch(1);
    bar->addWidget(findLabel);
    bar->addWidget(m_pFind, 1);
    bar->addWidget(m_pFindState);

    m_pTree->setModel(&m_contents);
    m_pTree->setHeaderHidden(true);
    m_pTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTree->setAccessibleName(tr("Contents"));
    m_pBrowser->setAccessibleName(tr("User's guide"));
    m_pBrowser->setOpenExternalLinks(true);
    auto* split = new QSplitter(this);
    split->addWidget(m_pTree);
    split->addWidget(m_pBrowser);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 600});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    resize(q4ui::SizeWithinScreen(*this, QSize(900, 640)));

    connect(m_pBack, &QToolButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QToolButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { Navigate(QString()); });
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QToolButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QToolButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpDlg::FollowSource);
    connect(m_pTree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        Navigate(index.data(AnchorRole).toString());
    });
    connect(m_pTree, &QTreeView::activated, this, [this](const QModelIndex& index) {
        Navigate(index.data(AnchorRole).toString());
    });
    connect(m_pFind, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(m_pFind, &QLineEdit::textChanged, m_pFindState, &QLabel::clear);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_pFind->setFocus();
        m_pFind->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, [this] { FindNext(); });
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this, [this] { FindNext(true); });

    // Tab goes through the window as it reads: the bar, then the contents, then the page.
    setTabOrder(m_pBack, m_pForward);
    setTabOrder(m_pForward, home);
    setTabOrder(home, m_pFind);
    setTabOrder(m_pFind, m_pTree);
    setTabOrder(m_pTree, m_pBrowser);

    m_pBrowser->setSource(ManualUrl());
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
    if (!m_bOpened)
        m_pBrowser->clearHistory();  // Back leads nowhere before the reader has moved
    m_bOpened = true;
    show();
    raise();
    activateWindow();
    m_pBrowser->setFocus(Qt::OtherFocusReason);
}

void CHelpDlg::Navigate(const QString& topic)
{
    QUrl url = ManualUrl();
    if (!topic.isEmpty())
        url.setFragment(topic);
    m_pBrowser->setSource(url);
    if (topic.isEmpty())
        m_pBrowser->verticalScrollBar()->setValue(0);
}

bool CHelpDlg::FindNext(bool backward)
{
    const QString text = m_pFind->text();
    if (text.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (backward)
        flags |= QTextDocument::FindBackward;
    // From the last place found while it is in view; otherwise from the top of the page shown.
    QTextCursor from = m_pBrowser->textCursor();
    const QRect view = m_pBrowser->viewport()->rect();
    if (!view.intersects(m_pBrowser->cursorRect(from))) {
        from = m_pBrowser->cursorForPosition(view.topLeft());
        m_pBrowser->setTextCursor(from);
    }
    bool found = m_pBrowser->find(text, flags);
    if (!found) {
        QTextCursor round = from;
        round.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        m_pBrowser->setTextCursor(round);
        found = m_pBrowser->find(text, flags);
        if (!found)
            m_pBrowser->setTextCursor(from);
    }
    m_pFindState->setText(found ? QString() : tr("Not found"));
    return found;
}

void CHelpDlg::BuildContents()
{
    m_contents.clear();
    QStandardItem* chapter = nullptr;
    for (QTextBlock block = m_pBrowser->document()->begin(); block.isValid(); block = block.next()) {
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
        m_pTree->clearSelection();
        return;
    }
    m_pTree->setCurrentIndex(found);
    m_pTree->scrollTo(found);
}
