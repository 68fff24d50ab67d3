#include "frame/ui/ToolbarCustomizeDialog.h"

#include "frame/ui/CommandBars.h"
#include "frame/ui/ToolbarManager.h"
#include "platform/Messages.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QPushButton* button(unsigned id, QWidget* parent, QBoxLayout* layout) {
    auto* b = new QPushButton(LoadResString(id), parent);
    b->setObjectName(QStringLiteral("button%1").arg(id));
    layout->addWidget(b);
    return b;
}

QString withoutMnemonic(QString text) {
    text = text.section(QLatin1Char('\t'), 0, 0);
    return text.remove(QLatin1Char('&')).trimmed();
}
} // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(ToolbarManager& toolbars, CCommandActions& commands,
                                               QWidget* parent)
    : QDialog(parent), m_toolbars(toolbars), m_commands(commands) {
    setObjectName(QStringLiteral("toolbarCustomize"));
    setWindowTitle(LoadResString(IDS_CUSTOMIZE_TITLE));
    auto* grid = new QGridLayout(this);

    m_bars = new QListWidget(this);
    m_buttons = new QListWidget(this);
    m_available = new QListWidget(this);
    const unsigned titles[3] = {IDS_CUSTOMIZE_BARS, IDS_CUSTOMIZE_BUTTONS, IDS_CUSTOMIZE_COMMANDS};
    QListWidget* lists[3] = {m_bars, m_buttons, m_available};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(LoadResString(titles[i]), this);
        label->setBuddy(lists[i]);
        grid->addWidget(label, 0, i * 2);
        grid->addWidget(lists[i], 1, i * 2);
    }

    auto* barButtons = new QVBoxLayout;
    QPushButton* create = button(IDS_CUSTOMIZE_NEW, this, barButtons);
    m_rename = button(IDS_CUSTOMIZE_RENAME, this, barButtons);
    m_delete = button(IDS_CUSTOMIZE_DELETE, this, barButtons);
    m_reset = button(IDS_CUSTOMIZE_RESET, this, barButtons);
    barButtons->addStretch();
    grid->addLayout(barButtons, 1, 1);

    auto* editButtons = new QVBoxLayout;
    QPushButton* add = button(IDS_CUSTOMIZE_ADD, this, editButtons);
    QPushButton* remove = button(IDS_CUSTOMIZE_REMOVE, this, editButtons);
    QPushButton* up = button(IDS_CUSTOMIZE_UP, this, editButtons);
    QPushButton* down = button(IDS_CUSTOMIZE_DOWN, this, editButtons);
    QPushButton* separator = button(IDS_CUSTOMIZE_SEPARATOR, this, editButtons);
    auto* pictureLabel = new QLabel(LoadResString(IDS_CUSTOMIZE_PICTURE), this);
    m_picture = new QComboBox(this);
    m_picture->setObjectName(QStringLiteral("picture"));
    pictureLabel->setBuddy(m_picture);
    m_picture->addItem(LoadResString(IDS_CUSTOMIZE_OWN_PICTURE), -1);
    for (int i = 0; i < m_toolbars.UserImageCount(); ++i)
        m_picture->addItem(m_toolbars.ButtonIcon(QStringLiteral("user:%1").arg(i)),
                           QString::number(i + 1), i);
    editButtons->addWidget(pictureLabel);
    editButtons->addWidget(m_picture);
    editButtons->addStretch();
    grid->addLayout(editButtons, 1, 3);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    QPushButton* close = button(IDS_CUSTOMIZE_CLOSE, this, closeRow);
    grid->addLayout(closeRow, 2, 0, 1, 5);

    for (int id : m_toolbars.AvailableCommands()) {
        auto* item = new QListWidgetItem(CommandText(id), m_available);
        item->setData(Qt::UserRole, id);
        item->setIcon(m_toolbars.ButtonIcon(m_toolbars.CommandPicture(id)));
    }

    connect(create, &QPushButton::clicked, this, &ToolbarCustomizeDialog::AskNewBar);
    connect(m_rename, &QPushButton::clicked, this, &ToolbarCustomizeDialog::AskRename);
    connect(m_delete, &QPushButton::clicked, this, &ToolbarCustomizeDialog::DeleteBar);
    connect(m_reset, &QPushButton::clicked, this, &ToolbarCustomizeDialog::ResetBar);
    connect(add, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = m_available->currentItem())
            AddCommand(item->data(Qt::UserRole).toInt());
    });
    connect(m_available, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { AddCommand(item->data(Qt::UserRole).toInt()); });
    connect(remove, &QPushButton::clicked, this, &ToolbarCustomizeDialog::RemoveButton);
    connect(up, &QPushButton::clicked, this, [this] { MoveButton(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveButton(1); });
    connect(separator, &QPushButton::clicked, this, &ToolbarCustomizeDialog::AddSeparator);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_picture, &QComboBox::activated, this,
            [this](int index) { SetPicture(m_picture->itemData(index).toInt()); });
    connect(m_bars, &QListWidget::currentRowChanged, this, [this] {
        FillButtons();
        UpdateButtons();
    });
    connect(m_buttons, &QListWidget::currentRowChanged, this,
            &ToolbarCustomizeDialog::UpdateButtons);
    // The check box of a bar shows or hides it.
    connect(m_bars, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (m_bFilling)
            return;
        const QList<QToolBar*> bars = m_toolbars.Bars();
        const int row = m_bars->row(item);
        if (row >= 0 && row < bars.size())
            bars[row]->setVisible(item->checkState() == Qt::Checked);
    });
    FillBars();
    m_bars->setCurrentRow(0);
}

QString ToolbarCustomizeDialog::CommandText(int id) const {
    QAction* action = m_commands.find(id);
    const QString text = action ? withoutMnemonic(action->text()) : QString();
    return text.isEmpty() && action ? action->toolTip() : text;
}

QToolBar* ToolbarCustomizeDialog::CurrentBar() const {
    const QList<QToolBar*> bars = m_toolbars.Bars();
    const int row = m_bars->currentRow();
    return row >= 0 && row < bars.size() ? bars[row] : nullptr;
}

void ToolbarCustomizeDialog::SelectBar(QToolBar* bar) {
    m_bars->setCurrentRow(static_cast<int>(m_toolbars.Bars().indexOf(bar)));
}

void ToolbarCustomizeDialog::FillBars() {
    m_bFilling = true;
    const int row = m_bars->currentRow();
    m_bars->clear();
    for (QToolBar* bar : m_toolbars.Bars()) {
        auto* item = new QListWidgetItem(bar->windowTitle(), m_bars);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->isVisible() ? Qt::Checked : Qt::Unchecked);
    }
    m_bFilling = false;
    m_bars->setCurrentRow(qMin(row, m_bars->count() - 1));
}

void ToolbarCustomizeDialog::FillButtons() {
    const int row = m_buttons->currentRow();
    m_buttons->clear();
    QToolBar* bar = CurrentBar();
    if (!bar)
        return;
    for (const ToolbarEntry& entry : m_toolbars.Contents(bar).entries) {
        QString text;
        switch (entry.kind) {
        case ToolbarEntry::Kind::Separator:
            text = LoadResString(IDS_CUSTOMIZE_SEPARATOR_ITEM);
            break;
        case ToolbarEntry::Kind::Label:
            text = LoadResString(IDS_FIND_LABEL);
            break;
        case ToolbarEntry::Kind::Combo:
            text = LoadResString(IDS_CUSTOMIZE_FIND_BOX);
            break;
        case ToolbarEntry::Kind::Button:
            text = CommandText(entry.id);
            break;
        }
        new QListWidgetItem(m_toolbars.ButtonIcon(entry.icon), text, m_buttons);
    }
    m_buttons->setCurrentRow(qMin(row, m_buttons->count() - 1));
}

void ToolbarCustomizeDialog::UpdateButtons() {
    QToolBar* bar = CurrentBar();
    const bool bUser = m_toolbars.IsUserBar(bar);
    m_rename->setEnabled(bUser);
    m_delete->setEnabled(bUser);
    m_reset->setEnabled(bar && !bUser);
    int picture = -1;
    if (bar && m_buttons->currentRow() >= 0) {
        const ToolbarTemplate contents = m_toolbars.Contents(bar);
        const QString icon = contents.entries[static_cast<size_t>(m_buttons->currentRow())].icon;
        if (icon.startsWith(QLatin1String("user:")))
            picture = icon.mid(5).toInt();
    }
    m_picture->setEnabled(bUser && m_buttons->currentRow() >= 0 && m_toolbars.UserImageCount() > 0);
    m_picture->setCurrentIndex(qMax(0, m_picture->findData(picture)));
}

QToolBar* ToolbarCustomizeDialog::NewBar(const QString& title) {
    if (title.trimmed().isEmpty())
        return nullptr;
    QToolBar* bar = m_toolbars.CreateUserToolbar(title.trimmed());
    if (!bar) {
        ShowMessage(IDS_USER_TOOLBAR_LIMIT, MessageIcon::Warning);
        return nullptr;
    }
    FillBars();
    SelectBar(bar);
    return bar;
}

void ToolbarCustomizeDialog::AskNewBar() {
    const QString proposal =
        LoadResString(IDS_USER_TOOLBAR_NAME).arg(m_toolbars.UserBarCount() + 1);
    bool ok = false;
    const QString title = QInputDialog::getText(this, LoadResString(IDS_CUSTOMIZE_TITLE),
                                                LoadResString(IDS_USER_TOOLBAR_PROMPT),
                                                QLineEdit::Normal, proposal, &ok);
    if (ok)
        NewBar(title);
}

void ToolbarCustomizeDialog::RenameBar(const QString& title) {
    QToolBar* bar = CurrentBar();
    if (!m_toolbars.IsUserBar(bar) || title.trimmed().isEmpty())
        return;
    bar->setWindowTitle(title.trimmed());
    FillBars();
}

void ToolbarCustomizeDialog::AskRename() {
    QToolBar* bar = CurrentBar();
    if (!m_toolbars.IsUserBar(bar))
        return;
    bool ok = false;
    const QString title = QInputDialog::getText(this, LoadResString(IDS_CUSTOMIZE_TITLE),
                                                LoadResString(IDS_USER_TOOLBAR_PROMPT),
                                                QLineEdit::Normal, bar->windowTitle(), &ok);
    if (ok)
        RenameBar(title);
}

void ToolbarCustomizeDialog::DeleteBar() {
    QToolBar* bar = CurrentBar();
    if (!m_toolbars.IsUserBar(bar))
        return;
    m_toolbars.DeleteUserToolbar(bar);
    FillBars();
}

void ToolbarCustomizeDialog::ResetBar() {
    if (QToolBar* bar = CurrentBar(); bar && m_toolbars.ResetToolbar(m_toolbars.BarId(bar)))
        FillButtons();
}

void ToolbarCustomizeDialog::AddCommand(int id) {
    ToolbarEntry entry;
    entry.id = id;
    entry.icon = m_toolbars.CommandPicture(id);
    InsertEntry(entry);
}

void ToolbarCustomizeDialog::AddSeparator() {
    ToolbarEntry entry;
    entry.kind = ToolbarEntry::Kind::Separator;
    InsertEntry(entry);
}

void ToolbarCustomizeDialog::InsertEntry(const ToolbarEntry& entry) {
    QToolBar* bar = CurrentBar();
    if (!bar)
        return;
    ToolbarTemplate contents = m_toolbars.Contents(bar);
    const int at = m_buttons->currentRow() + 1;
    contents.entries.insert(contents.entries.begin() + at, entry);
    m_toolbars.SetContents(bar, contents);
    FillButtons();
    m_buttons->setCurrentRow(at);
}

void ToolbarCustomizeDialog::RemoveButton() {
    QToolBar* bar = CurrentBar();
    const int row = m_buttons->currentRow();
    if (!bar || row < 0)
        return;
    ToolbarTemplate contents = m_toolbars.Contents(bar);
    contents.entries.erase(contents.entries.begin() + row);
    m_toolbars.SetContents(bar, contents);
    FillButtons();
}

void ToolbarCustomizeDialog::MoveButton(int delta) {
    QToolBar* bar = CurrentBar();
    const int row = m_buttons->currentRow();
    if (!bar || row < 0)
        return;
    ToolbarTemplate contents = m_toolbars.Contents(bar);
    const int to = row + delta;
    if (to < 0 || to >= static_cast<int>(contents.entries.size()))
        return;
    std::swap(contents.entries[static_cast<size_t>(row)],
              contents.entries[static_cast<size_t>(to)]);
    m_toolbars.SetContents(bar, contents);
    FillButtons();
    m_buttons->setCurrentRow(to);
}

void ToolbarCustomizeDialog::SetPicture(int userImage) {
    QToolBar* bar = CurrentBar();
    const int row = m_buttons->currentRow();
    if (!m_toolbars.IsUserBar(bar) || row < 0)
        return;
    ToolbarTemplate contents = m_toolbars.Contents(bar);
    ToolbarEntry& entry = contents.entries[static_cast<size_t>(row)];
    if (entry.kind != ToolbarEntry::Kind::Button)
        return;
    entry.icon = userImage >= 0 ? QStringLiteral("user:%1").arg(userImage)
                                : m_toolbars.CommandPicture(entry.id);
    m_toolbars.SetContents(bar, contents);
    FillButtons();
    m_buttons->setCurrentRow(row);
}
