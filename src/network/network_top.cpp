#include "network/network_top.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engines/duct_tables.h"
#include "engines/limit_scales.h"
#include "network/network_rules.h"

namespace {

enum class FieldKind { Edit, Library, Mode, Shape, Material };

struct RuleField {
    const char* name;
    bool water;
    FieldKind kind;
    const char* label;       // UTF-8
    const char* accessible;  // UTF-8: the label with its unit
    int width;               // [px]
};

// clang-format off
const RuleField RuleFieldList[] = {
    {"library", true, FieldKind::Library, "Bibliothèque", "Bibliothèque de tubes", 120},
    {"mode", true, FieldKind::Mode, "Mode", "Mode de calcul (eau)", 95},
    {"limit", true, FieldKind::Edit, "Limite", "Limite (mmCE/m ou m/s)", 45},
    {"supply", true, FieldKind::Edit, "Aller (°C)", "Température aller (°C)", 40},
    {"return", true, FieldKind::Edit, "Retour (°C)", "Température retour (°C)", 40},
    {"antifreeze", true, FieldKind::Edit, "Antigel (%)", "Antigel (%)", 35},
    {"shape", false, FieldKind::Shape, "Forme", "Forme des gaines", 100},
    {"side-a", false, FieldKind::Edit, "Côté A (mm)", "Côté A imposé (mm)", 45},
    {"material", false, FieldKind::Material, "Matériau", "Matériau des gaines", 95},
    {"roughness", false, FieldKind::Edit, "Rugosité (mm)", "Rugosité (mm)", 45},
    {"temp", false, FieldKind::Edit, "Temp. (°C)", "Température de l'air (°C)", 40},
    {"humidity", false, FieldKind::Edit, "Hygro. (%)", "Humidité relative (%)", 35},
    {"altitude", false, FieldKind::Edit, "Altitude (m)", "Altitude (m)", 45},
    {"mode", false, FieldKind::Mode, "Mode", "Mode de calcul (air)", 95},
    {"limit", false, FieldKind::Edit, "Limite", "Limite (Pa/m ou m/s)", 45},
};
// clang-format on

struct Choice {
    const char* word;
    const char* text;  // UTF-8
};
const Choice WaterModes[] = {{"pdc", "PdC maxi."}, {"vitesse", "Vitesse maxi."}, {"dn", "DN imposé"}};
const Choice AirModes[] = {{"pdc", "PdC maxi."}, {"vitesse", "Vitesse maxi."}};
const Choice Shapes[] = {{"circ", "Circulaire"}, {"rect", "Rectangulaire"}};

template <size_t N>
void AddChoices(QComboBox* box, const Choice (&choices)[N])
{
    for (const Choice& c : choices)
        box->addItem(QString::fromUtf8(c.text), QString::fromLatin1(c.word));
}

QComboBox* ChoiceBox(QWidget* parent, const RuleField& rule, const DomainState& data)
{
    auto* box = new QComboBox(parent);
    switch (rule.kind) {
    case FieldKind::Library:
        for (const PipeLibrary& library : data.waterLibraries)
            box->addItem(library.name, library.name);
        break;
    case FieldKind::Mode:
        if (rule.water)
            AddChoices(box, WaterModes);
        else
            AddChoices(box, AirModes);
        break;
    case FieldKind::Shape:
        AddChoices(box, Shapes);
        break;
    case FieldKind::Material:
        for (const DuctMaterial& material : data.ductMaterials)
            box->addItem(material.name, material.name);
        break;
    case FieldKind::Edit:
        break;
    }
    return box;
}

QString Rule(const SectionOptions& rules, const char* name)
{
    const QString* value = FindOption(rules, name);
    return value ? *value : QString();
}

}  // namespace

RulesFields BuildRulesFields(QWidget* parent, const DomainState& data, const RuleEdited& edited)
{
    RulesFields top;
    top.box = new QWidget(parent);
    auto* column = new QVBoxLayout(top.box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* kindRow = new QHBoxLayout;
    top.water = new QRadioButton(QStringLiteral("&Eau"), top.box);
    top.air = new QRadioButton(QStringLiteral("A&ir"), top.box);
    top.water->setAccessibleName(QStringLiteral("Fluide : eau"));
    top.air->setAccessibleName(QStringLiteral("Fluide : air"));
    kindRow->addWidget(top.water);
    kindRow->addWidget(top.air);
    kindRow->addStretch();
    column->addLayout(kindRow);
    for (QRadioButton* kind : {top.water, top.air})
        QObject::connect(kind, &QRadioButton::clicked, top.box, [kind, top, edited] {
            edited("kind", kind == top.water ? QStringLiteral("water") : QStringLiteral("air"), false);
        });
    top.waterRow = new QWidget(top.box);
    top.airRow = new QWidget(top.box);
    for (QWidget* row : {top.waterRow, top.airRow}) {
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        column->addWidget(row);
    }
    for (const RuleField& rule : RuleFieldList) {
        QWidget* row = rule.water ? top.waterRow : top.airRow;
        auto* line = static_cast<QHBoxLayout*>(row->layout());
        auto* label = new QLabel(QString::fromUtf8(rule.label), row);
        QWidget* widget = nullptr;
        if (rule.kind == FieldKind::Edit) {
            auto* edit = new QLineEdit(row);
            edit->setFixedWidth(rule.width + 10);
            QObject::connect(edit, &QLineEdit::textEdited, edit,
                             [rule, edited](const QString& text) { edited(rule.name, text, true); });
            widget = edit;
        } else {
            QComboBox* box = ChoiceBox(row, rule, data);
            box->setMinimumWidth(rule.width);
            QObject::connect(box, &QComboBox::activated, box,
                             [rule, box, edited](int) { edited(rule.name, box->currentData().toString(), false); });
            widget = box;
        }
        label->setBuddy(widget);
        widget->setAccessibleName(QString::fromUtf8(rule.accessible));
        line->addWidget(label);
        line->addWidget(widget);
        line->addSpacing(6);
        top.fields.push_back({rule.name, rule.water, widget});
    }
    for (QWidget* row : {top.waterRow, top.airRow})
        static_cast<QHBoxLayout*>(row->layout())->addStretch();
    return top;
}

void ShowRules(RulesFields& top, const SectionOptions& rules)
{
    const bool water = RulesAreWater(rules);
    const QSignalBlocker blockWater(top.water), blockAir(top.air);
    top.water->setChecked(water);
    top.air->setChecked(!water);
    top.waterRow->setVisible(water);
    top.airRow->setVisible(!water);
    for (const RulesFields::Field& field : top.fields) {
        if (field.water != water)
            continue;
        const QString value = Rule(rules, field.name);
        if (auto* edit = qobject_cast<QLineEdit*>(field.widget)) {
            if (edit->text() != value)
                edit->setText(value);
        } else if (auto* box = qobject_cast<QComboBox*>(field.widget)) {
            const QSignalBlocker block(box);
            box->setCurrentIndex(box->findData(value));
        }
        if (QLatin1String(field.name) == QLatin1String("limit"))
            field.widget->setEnabled(Rule(rules, "mode") != QLatin1String("dn"));
        if (QLatin1String(field.name) == QLatin1String("roughness"))
            field.widget->setEnabled(Rule(rules, "material") == QString::fromUtf8(OwnRoughnessMaterial));
        if (QLatin1String(field.name) == QLatin1String("side-a"))
            field.widget->setEnabled(Rule(rules, "shape") == QLatin1String("rect"));
    }
}

QString FluidText(const SectionOptions& rules)
{
    if (!RulesAreWater(rules))
        return QStringLiteral("Air, %1 °C, humidité %2 %, altitude %3 m")
            .arg(Rule(rules, "temp"), Rule(rules, "humidity"), Rule(rules, "altitude"));
    const QString antifreeze = Rule(rules, "antifreeze");
    return QStringLiteral("Eau, départ %1 °C, retour %2 °C, antigel %3 %")
        .arg(Rule(rules, "supply"), Rule(rules, "return"), antifreeze.isEmpty() ? QStringLiteral("0") : antifreeze);
}

QStringList RuleLines(const SectionOptions& rules)
{
    const bool water = RulesAreWater(rules);
    QStringList lines;
    for (const RuleField& rule : RuleFieldList) {
        const QString value = Rule(rules, rule.name);
        if (rule.water != water || value.isEmpty())
            continue;
        QString shown = value;
        const Choice* choices = rule.kind == FieldKind::Shape ? Shapes : rule.water ? WaterModes : AirModes;
        const int count = rule.kind == FieldKind::Shape ? 2 : rule.water ? 3 : 2;
        if (rule.kind == FieldKind::Shape || rule.kind == FieldKind::Mode)
            for (int i = 0; i < count; ++i)
                if (value == QLatin1String(choices[i].word))
                    shown = QString::fromUtf8(choices[i].text);
        lines << QStringLiteral("%1 : %2").arg(QString::fromUtf8(rule.accessible), shown);
    }
    return lines;
}

QString DefaultLimit(bool water, const QString& mode)
{
    const int m = mode == QLatin1String("vitesse") ? 2 : mode == QLatin1String("dn") ? 1 : 0;
    if (water)
        return m == 1 ? QString() : WaterLimitText(m, WaterLimitScaleFor(m).position);
    return AirLimitText(AirLimitScaleFor(m).position);
}
