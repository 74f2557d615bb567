// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/dialogs/JuryDialog.h"

#include "display/QrCodeImage.h"
#include "widgets/dialogs/JudgeCards.h"
#include "widgets/dialogs/MessageBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {

constexpr int kQrModulePixels = 3;
// Rows offered for criteria; a blank name is no criterion.
constexpr int kCriterionRows = 4;
constexpr double kPointsStep = 0.05;

double pointsOf(jury::Hundredths value)
{
    return static_cast<double>(value) / jury::kPoint;
}

}  // namespace

QString judgeLink(const JudgeLinkBase& base, const QString& token)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(base.host);
    url.setPort(base.port);
    url.setPath(QStringLiteral("/judge"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("token"), token);
    url.setQuery(query);
    return url.toString();
}

JuryDialog::JuryDialog(const std::optional<jury::JuryRules>& rules,
                       const std::vector<jury::Judge>& judges, const JudgeLinkBase& links,
                       QWidget* parent)
    : QDialog(parent),
      m_links(links),
      m_on(new QCheckBox(tr("&Jury on"), this)),
      m_judges(new QPlainTextEdit(this)),
      m_max(new QDoubleSpinBox(this)),
      m_step(new QDoubleSpinBox(this)),
      m_criteria(new QTableWidget(kCriterionRows, 2, this)),
      m_drop(new QCheckBox(tr("&Drop each contestant's highest and lowest mark (from 4 marks up)"), this)),
      m_applauseWeight(new QSpinBox(this)),
      m_juryWeight(new QSpinBox(this)),
      m_problem(new QLabel(this)),
      m_cards(new QWidget(this)),
      m_cardGrid(new QGridLayout(m_cards))
{
    setObjectName(QStringLiteral("juryDialog"));
    setWindowTitle(tr("Jury"));
    const jury::JuryRules shown = rules.value_or(jury::JuryRules{});
    m_on->setChecked(rules.has_value());
    m_judges->setObjectName(QStringLiteral("judges"));
    m_judges->setPlaceholderText(tr("One judge a line, up to %1").arg(jury::kMostJudges));
    m_judges->setPlainText(shown.judges.join(QLatin1Char('\n')));
    for (QDoubleSpinBox* box : {m_max, m_step}) {
        box->setDecimals(2);
        box->setSingleStep(kPointsStep);
    }
    m_max->setRange(pointsOf(jury::kPoint / 2), pointsOf(jury::kHighestMax));
    m_max->setValue(pointsOf(shown.max));
    m_step->setRange(pointsOf(1), pointsOf(jury::kHighestMax));
    m_step->setValue(pointsOf(shown.step));
    m_criteria->setObjectName(QStringLiteral("criteria"));
    m_criteria->setHorizontalHeaderLabels({tr("Criterion"), tr("Weight")});
    m_criteria->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int row = 0; row < kCriterionRows; ++row) {
        const bool given = row < static_cast<int>(shown.criteria.size());
        const jury::Criterion criterion = given ? shown.criteria[static_cast<std::size_t>(row)]
                                                : jury::Criterion{};
        m_criteria->setItem(row, 0, new QTableWidgetItem(criterion.name));
        m_criteria->setItem(row, 1, new QTableWidgetItem(QString::number(criterion.weight)));
    }
    m_drop->setChecked(shown.dropExtremes);
    for (QSpinBox* box : {m_applauseWeight, m_juryWeight}) {
        box->setRange(0, jury::kHighestWeight);
        box->setSuffix(QStringLiteral(" %"));
    }
    m_applauseWeight->setValue(shown.weights.applause);
    m_juryWeight->setValue(shown.weights.jury);
    m_problem->setObjectName(QStringLiteral("juryProblem"));
    m_problem->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(m_on);
    form->addRow(tr("J&udges:"), m_judges);
    form->addRow(tr("&Highest mark:"), m_max);
    form->addRow(tr("&Step:"), m_step);
    form->addRow(tr("&Criteria (optional):"), m_criteria);
    form->addRow(m_drop);
    form->addRow(tr("&Applause weighs:"), m_applauseWeight);
    form->addRow(tr("Jury &weighs:"), m_juryWeight);
    form->addRow(m_problem);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_cards);
    scroll->setWidgetResizable(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* cards = buttons->addButton(tr("Export &Cards..."), QDialogButtonBox::ActionRole);
    connect(cards, &QPushButton::clicked, this, &JuryDialog::exportCards);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("The judges' personal links:"), this));
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);

    const auto follow = [this, buttons]() {
        showProblem();
        buttons->button(QDialogButtonBox::Ok)->setEnabled(m_problem->text().isEmpty());
    };
    connect(m_on, &QCheckBox::toggled, this, follow);
    connect(m_judges, &QPlainTextEdit::textChanged, this, follow);
    connect(m_max, &QDoubleSpinBox::valueChanged, this, follow);
    connect(m_step, &QDoubleSpinBox::valueChanged, this, follow);
    connect(m_criteria, &QTableWidget::itemChanged, this, follow);
    connect(m_applauseWeight, &QSpinBox::valueChanged, this, follow);
    connect(m_juryWeight, &QSpinBox::valueChanged, this, follow);
    follow();
    showJudges(judges);
}

bool JuryDialog::juryOn() const
{
    return m_on->isChecked();
}

jury::JuryRules JuryDialog::rules() const
{
    jury::JuryRules rules;
    for (const QString& line : m_judges->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            rules.judges << line.trimmed();
    }
    rules.max = jury::hundredthsOf(m_max->value()).value_or(rules.max);
    rules.step = jury::hundredthsOf(m_step->value()).value_or(rules.step);
    for (int row = 0; row < m_criteria->rowCount(); ++row) {
        const QTableWidgetItem* name = m_criteria->item(row, 0);
        const QTableWidgetItem* weight = m_criteria->item(row, 1);
        if (!name || name->text().trimmed().isEmpty())
            continue;
        bool number = false;
        const int given = weight ? weight->text().trimmed().toInt(&number) : 0;
        // A weight that is no number is out of range, which the check names.
        rules.criteria.push_back(jury::Criterion{name->text().trimmed(), number ? given : 0});
    }
    rules.dropExtremes = m_drop->isChecked();
    rules.weights = jury::Weights{m_applauseWeight->value(), m_juryWeight->value()};
    return rules;
}

void JuryDialog::showProblem()
{
    const jury::JuryRules chosen = rules();
    m_problem->setText(juryOn() ? jury::reasonText(chosen, jury::checkRules(chosen)) : QString());
}

void JuryDialog::exportCards()
{
    if (m_shownJudges.empty()) {
        showWarningMessage(tr("Set up the jury first: its judges get their cards then."), this);
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Cards"), QString(),
                                                      tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!exportJudgeCards(path, m_shownJudges, m_links))
        showWarningMessage(tr("The cards could not be written to %1.").arg(path.toHtmlEscaped()), this);
}

void JuryDialog::showJudges(const std::vector<jury::Judge>& judges)
{
    m_shownJudges = judges;
    while (QLayoutItem* item = m_cardGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (judges.empty()) {
        m_cardGrid->addWidget(new QLabel(tr("Each judge gets her link once the jury is set up."), m_cards), 0, 0);
        return;
    }
    if (!m_links.showControlOn)
        m_cardGrid->addWidget(
            new QLabel(tr("The links work once show control is on (View > Show Control...)."), m_cards),
            0, 0, 1, 4);
    int row = 1;
    for (const jury::Judge& judge : judges) {
        m_cardGrid->addWidget(new QLabel(judge.name, m_cards), row, 0);
        const bool revoked = judge.token.isEmpty();
        auto* link = new QLineEdit(revoked ? tr("(revoked)") : judgeLink(m_links, judge.token), m_cards);
        link->setReadOnly(true);
        link->setObjectName(QStringLiteral("judgeLink"));
        link->setCursorPosition(0);
        m_cardGrid->addWidget(link, row, 1);
        auto* code = new QLabel(m_cards);
        if (!revoked)
            code->setPixmap(QPixmap::fromImage(qrCodeImage(link->text(), kQrModulePixels)));
        m_cardGrid->addWidget(code, row, 2);
        auto* revoke = new QPushButton(tr("Revoke"), m_cards);
        revoke->setEnabled(!revoked);
        auto* reissue = new QPushButton(tr("Issue Again"), m_cards);
        const QString name = judge.name;
        connect(revoke, &QPushButton::clicked, this, [this, name]() { emit revokeWanted(name); });
        connect(reissue, &QPushButton::clicked, this, [this, name]() { emit reissueWanted(name); });
        auto* actions = new QVBoxLayout;
        actions->addWidget(revoke);
        actions->addWidget(reissue);
        m_cardGrid->addLayout(actions, row, 3);
        ++row;
    }
}
