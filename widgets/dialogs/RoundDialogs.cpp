// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/RoundDialogs.h"

#include "brio/BRStringQt.h"
#include "show/Show.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultBest = 2;
constexpr int kMostBest = 999;

QLabel* problemLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #b00020"));
    label->hide();
    return label;
}

void showProblem(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QString namesText(const std::vector<brio::BRString>& names)
{
    QStringList list;
    for (const brio::BRString& name : names)
        list << brio::toQString(name);
    return QLocale().createSeparatedList(list);
}

// Holds the tie as a clap-off (true), shares the place (false), or neither (nullopt).
std::optional<bool> askAboutTie(const rounds::Tie& tie, QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("RoundDialogs", "Tie"),
                    QCoreApplication::translate("RoundDialogs", "%1 share a place in %2.")
                        .arg(namesText(tie.names), brio::toQString(tie.round)),
                    QMessageBox::Cancel, parent);
    QPushButton* clapOff =
        box.addButton(QCoreApplication::translate("RoundDialogs", "Clap-off"), QMessageBox::AcceptRole);
    QPushButton* share = box.addButton(
        QCoreApplication::translate("RoundDialogs", "Share the Place"), QMessageBox::AcceptRole);
    box.setDefaultButton(clapOff);
    box.exec();
    if (box.clickedButton() == clapOff)
        return true;
    if (box.clickedButton() == share)
        return false;
    return std::nullopt;
}

}  // namespace

NewRoundDialog::NewRoundDialog(const Show& show, QWidget* parent)
    : QDialog(parent),
      m_show(show),
      m_name(new QLineEdit(this)),
      m_from(new QListWidget(this)),
      m_best(new QSpinBox(this)),
      m_order(new QComboBox(this)),
      m_share(new QCheckBox(tr("All tied at the cut go on"), this)),
      m_runningOrder(new QListWidget(this)),
      m_problem(problemLabel(this))
{
    setWindowTitle(tr("New Round"));
    m_name->setObjectName(QStringLiteral("roundName"));
    m_name->setMaxLength(rounds::kLongestName + 20);  // longer is refused with a reason
    m_name->setText(tr("Round %1").arg(show.session().roundBook().nextId() + 1));
    m_name->selectAll();
    m_from->setObjectName(QStringLiteral("fromRounds"));
    for (const rounds::Round* round : show.session().roundBook().rounds()) {
        auto* item = new QListWidgetItem(brio::toQString(round->name), m_from);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, round->id);
    }
    m_best->setRange(1, kMostBest);
    m_best->setValue(kDefaultBest);
    m_order->addItem(tr("Rounds in order, best first"));
    m_order->addItem(tr("Reversed: the best last"));
    m_runningOrder->setObjectName(QStringLiteral("runningOrder"));
    auto* up = new QPushButton(tr("Move &Up"), this);
    auto* down = new QPushButton(tr("Move &Down"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&From rounds:"), m_from);
    form->addRow(tr("&Best of each:"), m_best);
    form->addRow(tr("&Order:"), m_order);
    form->addRow(QString(), m_share);
    auto* moves = new QVBoxLayout;
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addStretch();
    auto* orderRow = new QHBoxLayout;
    orderRow->addWidget(m_runningOrder, 1);
    orderRow->addLayout(moves);
    form->addRow(tr("Running order:"), orderRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    connect(m_from, &QListWidget::itemChanged, this, &NewRoundDialog::fillRunningOrder);
    connect(m_best, &QSpinBox::valueChanged, this, &NewRoundDialog::fillRunningOrder);
    connect(m_order, &QComboBox::currentIndexChanged, this, &NewRoundDialog::fillRunningOrder);
    connect(m_share, &QCheckBox::toggled, this, &NewRoundDialog::fillRunningOrder);
    connect(up, &QPushButton::clicked, this, [this]() { moveSelected(-1); });
    connect(down, &QPushButton::clicked, this, [this]() { moveSelected(1); });
    connect(buttons, &QDialogButtonBox::accepted, this, &NewRoundDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewRoundDialog::reject);
}

void NewRoundDialog::fillRunningOrder()
{
    std::vector<int> from;
    for (int row = 0; row < m_from->count(); ++row) {
        if (m_from->item(row)->checkState() == Qt::Checked)
            from.push_back(m_from->item(row)->data(Qt::UserRole).toInt());
    }
    const rounds::Advancement advancing = m_show.session().advancementFrom(
        from, m_best->value(),
        m_share->isChecked() ? rounds::TieRule::Share : rounds::TieRule::Refuse,
        m_order->currentIndex() == 1 ? rounds::RunningOrder::Reversed
                                     : rounds::RunningOrder::RoundsInOrder);
    m_runningOrder->clear();
    for (const brio::BRString& name : advancing.names)
        m_runningOrder->addItem(brio::toQString(name));
    if (!advancing.ties.empty()) {
        const rounds::Tie& tie = advancing.ties.front();
        showProblem(m_problem, tr("%1 tie at the cut in %2: hold a clap-off, or let all tied go "
                                  "on.")
                                   .arg(namesText(tie.names), brio::toQString(tie.round)));
    } else {
        showProblem(m_problem, QString());
    }
}

void NewRoundDialog::moveSelected(int step)
{
    const int row = m_runningOrder->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_runningOrder->count())
        return;
    QListWidgetItem* item = m_runningOrder->takeItem(row);
    m_runningOrder->insertItem(target, item);
    m_runningOrder->setCurrentRow(target);
}

void NewRoundDialog::accept()
{
    fillRunningOrder();
    if (const QString problem = m_show.session().roundNameProblem(m_name->text()); !problem.isEmpty()) {
        showProblem(m_problem, problem);
        m_name->setFocus();
        return;
    }
    // A tie at the cut: a clap-off first (the dialog closes), or everyone tied goes on.
    std::vector<int> from;
    for (int row = 0; row < m_from->count(); ++row) {
        if (m_from->item(row)->checkState() == Qt::Checked)
            from.push_back(m_from->item(row)->data(Qt::UserRole).toInt());
    }
    if (!m_share->isChecked()) {
        const rounds::Advancement advancing = m_show.session().advancementFrom(
            from, m_best->value(), rounds::TieRule::Refuse, rounds::RunningOrder::RoundsInOrder);
        if (!advancing.ties.empty()) {
            const std::optional<bool> clapOff = askAboutTie(advancing.ties.front(), this);
            if (!clapOff)
                return;
            if (*clapOff) {
                m_clapOff = advancing.ties.front();
                QDialog::accept();
                return;
            }
            m_share->setChecked(true);
        }
    }
    QDialog::accept();
}

QString NewRoundDialog::name() const
{
    return m_name->text();
}

QStringList NewRoundDialog::runningOrder() const
{
    QStringList order;
    for (int row = 0; row < m_runningOrder->count(); ++row)
        order << m_runningOrder->item(row)->text();
    return order;
}

RenameRoundDialog::RenameRoundDialog(const Show& show, QWidget* parent)
    : QDialog(parent), m_show(show), m_name(new QLineEdit(this)), m_problem(problemLabel(this))
{
    setWindowTitle(tr("Rename Round"));
    m_name->setObjectName(QStringLiteral("roundName"));
    m_name->setMaxLength(rounds::kLongestName + 20);
    m_name->setText(show.session().roundName());
    m_name->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_name);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &RenameRoundDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RenameRoundDialog::reject);
}

void RenameRoundDialog::accept()
{
    const QString problem = m_show.session().roundNameProblem(m_name->text(), m_show.session().roundBook().currentId());
    if (!problem.isEmpty()) {
        showProblem(m_problem, problem);
        return;
    }
    QDialog::accept();
}

QString RenameRoundDialog::name() const
{
    return m_name->text();
}

ClapOffAnswer askClapOff(const rounds::Tie& tie, QWidget* parent)
{
    const std::optional<bool> clapOff = askAboutTie(tie, parent);
    if (!clapOff)
        return ClapOffAnswer::Cancel;
    return *clapOff ? ClapOffAnswer::Hold : ClapOffAnswer::Share;
}

void addRoundItems(const MeterSession& session, QMenu& menu,
                   const std::function<void(int roundId)>& switchTo)
{
    for (const rounds::Round* round : session.roundBook().rounds()) {
        QAction* item = menu.addAction(brio::toQString(round->name));
        item->setObjectName(QStringLiteral("round%1").arg(round->id));
        item->setCheckable(true);
        item->setChecked(round->id == session.roundBook().currentId());
        item->setEnabled(session.betweenTurns());
        const int id = round->id;
        QObject::connect(item, &QAction::triggered, &menu, [switchTo, id]() { switchTo(id); });
    }
}
