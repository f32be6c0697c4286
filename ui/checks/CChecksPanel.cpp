// The Checks panel's table, keys, context menu and line of ignored rules.
#include "ui/checks/CChecksPanel.h"

#include "ui/checks/CChecksModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

CChecksPanel::CChecksPanel(CChecksModel& model, QWidget* parent)
    : QDockWidget(tr("Checks"), parent), m_model(model)
{
    setObjectName(QStringLiteral("checksPanel"));
    setAccessibleName(tr("Checks panel"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    m_table = new QTableView(body);
    m_table->setModel(&model);
    m_table->setAccessibleName(tr("Findings of the set-up checks"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->installEventFilter(this);
    layout->addWidget(m_table, 1);
    m_ignoredLine = new QLabel(body);
    m_ignoredLine->setWordWrap(true);
    m_ignoredLine->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(m_ignoredLine);
    setWidget(body);
    setFocusProxy(m_table);
    UpdateIgnoredLine();

    // Enter and a double click alike.
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit goToFinding(m_model.At(index.row()).cell);
    });
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(m_table->viewport()->mapToGlobal(pos)); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!current.isValid())
            return;
        m_currentRow = current.row();
        m_currentRule = m_model.At(current.row()).rule;
        m_currentCell = m_model.At(current.row()).cell;
    });
    connect(&model, &QAbstractItemModel::modelReset, this, &CChecksPanel::KeepCurrent);
}

const Finding* CChecksPanel::CurrentFinding() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() && current.row() < m_model.rowCount() ? &m_model.At(current.row()) : nullptr;
}

void CChecksPanel::KeepCurrent()
{
    m_table->resizeColumnToContents(CChecksModel::SeverityColumn);
    m_table->resizeColumnToContents(CChecksModel::ChannelColumn);
    if (m_currentRow < 0 || m_model.rowCount() == 0)
        return;
    int row = m_model.RowOf(m_currentRule, m_currentCell);
    if (row < 0)
        row = std::min(m_currentRow, m_model.rowCount() - 1);
    const QModelIndex index = m_model.index(row, CChecksModel::WhatColumn);
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CChecksPanel::FocusPanel()
{
    show();
    raise();
    if (!m_table->currentIndex().isValid() && m_model.rowCount() > 0)
        m_table->setCurrentIndex(m_model.index(0, CChecksModel::WhatColumn));
    m_table->setFocus(Qt::ShortcutFocusReason);
}

void CChecksPanel::SetIgnored(const QString& unitTag, std::vector<Ignored> ignored)
{
    m_unitTag = unitTag;
    m_ignored = std::move(ignored);
    UpdateIgnoredLine();
}

void CChecksPanel::UpdateIgnoredLine()
{
    QStringList names;
    for (const Ignored& ignored : m_ignored) {
        const QString rule = QString::fromStdString(ignored.rule);
        names << (ignored.tag.isEmpty() ? tr("%1 (every set-up)").arg(rule) : tr("%1 (%2)").arg(rule, ignored.tag));
    }
    m_ignoredLine->setText(names.isEmpty() ? QString() : tr("Ignored: %1").arg(names.join(QStringLiteral(", "))));
    m_ignoredLine->setVisible(!names.isEmpty());
}

QMenu* CChecksPanel::CreateContextMenu()
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (const Finding* finding = CurrentFinding()) {
        const std::string rule = finding->rule;
        const QString name = QString::fromStdString(rule);
        if (!m_unitTag.isEmpty()) {
            const QString tag = m_unitTag;
            QAction* forUnit = menu->addAction(tr("Ignore \"%1\" for %2").arg(name, tag));
            forUnit->setObjectName(QStringLiteral("ignoreForUnit"));
            connect(forUnit, &QAction::triggered, this, [this, rule, tag] { emit ignoreRule(rule, tag); });
        }
        QAction* everywhere = menu->addAction(tr("Ignore \"%1\" in Every Set-up").arg(name));
        everywhere->setObjectName(QStringLiteral("ignoreEverywhere"));
        connect(everywhere, &QAction::triggered, this, [this, rule] { emit ignoreRule(rule, QString()); });
        QAction* help = menu->addAction(tr("Help on \"%1\"").arg(name));
        help->setShortcut(QKeySequence(Qt::Key_F1));
        connect(help, &QAction::triggered, this,
                [this, rule] { emit helpRequested(QString::fromStdString(CheckTopic(rule))); });
    }
    if (!m_ignored.empty()) {
        QMenu* back = menu->addMenu(tr("&Take Back"));
        back->setObjectName(QStringLiteral("takeBack"));
        for (const Ignored& ignored : m_ignored) {
            const QString rule = QString::fromStdString(ignored.rule);
            QAction* action = back->addAction(ignored.tag.isEmpty() ? tr("%1 in every set-up").arg(rule)
                                                                     : tr("%1 for %2").arg(rule, ignored.tag));
            connect(action, &QAction::triggered, this, [this, ignored] { emit takeBack(ignored.rule, ignored.tag); });
        }
    }
    return menu;
}

void CChecksPanel::ShowContextMenu(const QPoint& global)
{
    QMenu* menu = CreateContextMenu();
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(global);
}

bool CChecksPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_table || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QDockWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool f1 = key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
    const bool escape = key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
    const bool menu = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
    if (!f1 && !escape && !menu)
        return false;
    // The panel's own: not the window's Help Topics.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (f1) {
        const Finding* finding = CurrentFinding();
        emit helpRequested(finding ? QString::fromStdString(CheckTopic(finding->rule)) : QStringLiteral("checks"));
    } else if (escape) {
        emit backToSheet();
    } else {
        const QRect row = m_table->visualRect(m_table->currentIndex());
        ShowContextMenu(m_table->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0)));
    }
    return true;
}
