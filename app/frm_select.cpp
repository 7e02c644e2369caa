#include "app/frm_select.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "app/accepted_values.h"
#include "app/program_font.h"
#include "app/qt_text.h"
#include "base/gbk.h"
#include "dict/radical_table.h"

using morvenda::ControlKind;
using morvenda::FilterControl;

namespace {

constexpr int DesignedWidth = 408;
constexpr int DesignedHeight = 237;
constexpr int CharacterEditBytes = 2;
constexpr char TagProperty[] = "Tag";

constexpr std::array<const char*, 6> TabCaptions{"指定文字", "五行(字意)", "五行(部首)",
                                                 "指定拼音", "指定笔画数", "指定部首"};
constexpr std::array<const char*, 3> RowCaptions{"第二个字限定：", "第三个字限定：",
                                                 "名字中必须含："};
constexpr std::array<const char*, 3> StrokeRowCaptions{
    "第二个字笔画数范围：", "第三个字笔画数范围：", "名字笔画数 (不含姓) ："};

QString RowCaption(int tab, int row) {
    return QString::fromUtf8(tab == 5 ? StrokeRowCaptions[row - 1] : RowCaptions[row - 1]);
}

// The whole-name rows say what "必须含" means; the element tabs look for an element.
QString RowHint(int tab, int row) {
    if (row != 3) {
        return {};
    }
    return tab == 2 || tab == 3 ? QStringLiteral("名字里必须含五行（不包括姓）")
                                : QStringLiteral("名字里必须含某个字（不包括姓）");
}

std::string RowName(const char* prefix, int tab, int row, const char* suffix = "") {
    return prefix + std::to_string(tab) + "_" + std::to_string(row) + suffix;
}

// Blanks and control characters at either end are dropped, as a typed glyph or reading never
// means them.
QString Trimmed(const QString& text) {
    const auto isPadding = [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control;
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isPadding(text[begin])) {
        ++begin;
    }
    while (end > begin && isPadding(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

// A character edit takes one character, two bytes of GBK, as the family name is measured too.
// The blanks around it do not count, since OK drops them.
class CharacterValidator final : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override {
        const auto bytes = morvenda::gbk::ByteLength(FromQString(Trimmed(input)));
        return bytes && *bytes <= CharacterEditBytes ? Acceptable : Invalid;
    }
};

}  // namespace

TfrmSelect::TfrmSelect(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(QStringLiteral("设置筛选条件"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ProgramFont());

    for (const FilterControl& control : morvenda::FilterControls()) {
        controls_[control.ObjectName] = CreateControl(control);
    }

    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Every tab shows its whole caption, as the dialog grows to fit them.
    PageControl1->tabBar()->setUsesScrollButtons(false);
    for (int tab = 1; tab <= 6; ++tab) {
        PageControl1->addTab(CreateTab(tab), QString::fromUtf8(TabCaptions[tab - 1]));
    }
    PageControl1->setCurrentIndex(1);

    auto* Panel1 = new QFrame;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* btn_Reset = new QPushButton(QStringLiteral("重置"));
    btn_Reset->setObjectName(QStringLiteral("btn_Reset"));
    btn_Reset->setAutoDefault(false);
    auto* btn_OK = new QPushButton(QStringLiteral("确定"));
    btn_OK->setObjectName(QStringLiteral("btn_OK"));
    btn_OK->setDefault(true);
    auto* btn_Cancel = new QPushButton(QStringLiteral("取消"));
    btn_Cancel->setObjectName(QStringLiteral("btn_Cancel"));
    btn_Cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(btn_Reset);
    buttons->addStretch();
    buttons->addWidget(btn_OK);
    buttons->addWidget(btn_Cancel);
    connect(btn_Reset, &QPushButton::clicked, this, &TfrmSelect::btn_ResetClick);
    connect(btn_OK, &QPushButton::clicked, this, &TfrmSelect::btn_OKClick);
    // Cancel only closes: whatever was changed stays in force for the next showing.
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addWidget(Panel1);

    FormCreate();
    // The designed size, grown where this platform's fonts need more room for a caption.
    const QSize needed = layout->sizeHint();
    resize(std::max(DesignedWidth, needed.width()), std::max(DesignedHeight, needed.height()));
    setMinimumSize(size());
}

QWidget* TfrmSelect::CreateControl(const FilterControl& control) {
    const QString name = ToQString(control.ObjectName);
    QWidget* widget = nullptr;
    switch (control.Kind) {
        case ControlKind::RowBox: {
            const int tab = name[3].digitValue();
            const int row = name[5].digitValue();
            auto* box = new QCheckBox(RowCaption(tab, row));
            box->setToolTip(RowHint(tab, row));
            // Any change of state runs the rule, also when the program unticks the box.
            connect(box, &QCheckBox::toggled, this, [this, box] { chk1_1Click(box); });
            widget = box;
            break;
        }
        case ControlKind::ElementBox:
            widget = new QCheckBox(ToQString(morvenda::ElementText(control.BoxElement)));
            break;
        case ControlKind::Edit: {
            auto* edit = new QLineEdit;
            if (control.Field == morvenda::ConditionField::Glyph) {
                edit->setValidator(new CharacterValidator(edit));
            } else {
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("\\s*[A-Za-z]*\\s*")), edit));
            }
            widget = edit;
            break;
        }
        case ControlKind::SpinEdit: {
            auto* spin = new QSpinBox;
            spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            spin->setValue(std::get<int>(control.Default));
            widget = spin;
            break;
        }
        case ControlKind::StrokeGroupList: {
            auto* list = new QComboBox;
            connect(list, &QComboBox::activated, this, [this, list] { cmb6_1AClick(list); });
            widget = list;
            break;
        }
        case ControlKind::RadicalList:
            widget = new QComboBox;
            break;
        case ControlKind::RadioButton:
            widget = new QRadioButton(control.ButtonKind == morvenda::StrokeKind::Simplified
                                          ? QStringLiteral("简体笔画")
                                          : QStringLiteral("康熙笔画（繁体笔画）"));
            break;
    }
    widget->setObjectName(name);
    widget->setProperty(TagProperty, control.Tag);
    return widget;
}

QWidget* TfrmSelect::CreateTab(int tab) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(tab));
    auto* grid = new QGridLayout(page);
    int line = 0;
    if (tab == 6) {
        grid->addWidget(new QLabel(QStringLiteral("部首笔画")), line, 1);
        grid->addWidget(new QLabel(QStringLiteral("部首")), line, 2);
        ++line;
    }
    for (int row = 1; row <= 3; ++row, ++line) {
        grid->addWidget(Control(RowName("chk", tab, row)), line, 0);
        switch (tab) {
            case 1:
            case 4:
                grid->addWidget(Control(RowName("edt", tab, row)), line, 1, 1, 5);
                break;
            case 2:
            case 3:
                for (int element = 1; element <= 5; ++element) {
                    grid->addWidget(
                        Control(RowName("chk", tab, row, std::to_string(element).c_str())), line,
                        element);
                }
                break;
            case 5:
                grid->addWidget(Control(RowName("sedt", tab, row, "1")), line, 1);
                grid->addWidget(new QLabel(QStringLiteral("至")), line, 2);
                grid->addWidget(Control(RowName("sedt", tab, row, "2")), line, 3);
                grid->addWidget(new QLabel(QStringLiteral("之间")), line, 4);
                break;
            case 6:
                grid->addWidget(Control(RowName("cmb", tab, row, "A")), line, 1);
                grid->addWidget(Control(RowName("cmb", tab, row, "B")), line, 2);
                break;
        }
    }
    if (tab == 5) {
        auto* kinds = new QHBoxLayout;
        kinds->addWidget(Control("rg_Jiti"));
        kinds->addWidget(Control("rg_fanti"));
        kinds->addStretch();
        grid->addLayout(kinds, line, 0, 1, 5);
        qobject_cast<QRadioButton*>(Control("rg_Jiti"))->setChecked(true);
    }
    grid->setRowStretch(line + 1, 1);
    grid->setColumnStretch(6, 1);
    return page;
}

QWidget* TfrmSelect::Control(std::string_view name) const {
    return controls_.at(name);
}

void TfrmSelect::FormCreate() {
    for (const char* name : {"cmb6_1A", "cmb6_2A", "cmb6_3A"}) {
        auto* list = qobject_cast<QComboBox*>(Control(name));
        list->clear();
        for (const std::string_view numeral : morvenda::StrokeNumerals) {
            list->addItem(ToQString(numeral) + QStringLiteral("画"));
        }
        list->setCurrentIndex(0);
    }
}

void TfrmSelect::FormShow() {
    for (int tab = 1; tab <= 6; ++tab) {
        for (int row = 1; row <= 3; ++row) {
            chk1_1Click(Control(RowName("chk", tab, row)));
        }
    }
}

void TfrmSelect::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmSelect::chk1_1Click(QObject* sender) {
    auto* box = qobject_cast<QCheckBox*>(sender);
    if (box == nullptr) {
        return;
    }
    const bool checked = box->isChecked();
    const QVariant tag = box->property(TagProperty);
    for (const auto& [name, widget] : controls_) {
        if (widget == box || widget->property(TagProperty) != tag) {
            continue;
        }
        if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            widget->setVisible(checked);
        } else {
            widget->setEnabled(checked);
        }
    }
    // A fixed character leaves no room for other conditions on the same place.
    for (const int row : {1, 2}) {
        if (box->objectName() != ToQString(RowName("chk", 1, row))) {
            continue;
        }
        for (int tab = 2; tab <= 6; ++tab) {
            auto* other = qobject_cast<QCheckBox*>(Control(RowName("chk", tab, row)));
            if (checked) {
                other->setChecked(false);
            }
            other->setEnabled(!checked);
        }
    }
}

void TfrmSelect::cmb6_1AClick(QComboBox* sender) {
    const std::string partnerName = FromQString(sender->objectName()).replace(6, 1, "B");
    auto* partner = qobject_cast<QComboBox*>(Control(partnerName));
    partner->clear();
    for (const std::string& radical : morvenda::RadicalsWithStrokes(sender->currentIndex() + 1)) {
        partner->addItem(ToQString(radical));
    }
    partner->setCurrentIndex(0);
}

void TfrmSelect::btn_OKClick() {
    for (const auto& [name, widget] : controls_) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(Trimmed(edit->text()));
        }
    }
    accept();
}

void TfrmSelect::btn_ResetClick() {
    for (const auto& [name, widget] : controls_) {
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setChecked(false);
        }
    }
}

morvenda::ControlValue TfrmSelect::ControlValueOf(const FilterControl& control) const {
    QWidget* widget = Control(control.ObjectName);
    switch (control.Kind) {
        case ControlKind::RowBox:
        case ControlKind::ElementBox:
        case ControlKind::RadioButton:
            return qobject_cast<QAbstractButton*>(widget)->isChecked();
        case ControlKind::Edit:
            return FromQString(qobject_cast<QLineEdit*>(widget)->text());
        case ControlKind::SpinEdit:
            return qobject_cast<QSpinBox*>(widget)->value();
        case ControlKind::StrokeGroupList:
        case ControlKind::RadicalList:
            return qobject_cast<QComboBox*>(widget)->currentIndex();
    }
    return {};
}

void TfrmSelect::SetControlValue(const FilterControl& control,
                                 const morvenda::ControlValue& value) {
    QWidget* widget = Control(control.ObjectName);
    switch (control.Kind) {
        case ControlKind::RowBox:
        case ControlKind::ElementBox:
        case ControlKind::RadioButton:
            qobject_cast<QAbstractButton*>(widget)->setChecked(std::get<bool>(value));
            break;
        case ControlKind::Edit:
            SetAcceptedText(qobject_cast<QLineEdit*>(widget),
                            ToQString(std::get<std::string>(value)));
            break;
        case ControlKind::SpinEdit:
            qobject_cast<QSpinBox*>(widget)->setValue(std::get<int>(value));
            break;
        case ControlKind::StrokeGroupList:
        case ControlKind::RadicalList:
            SetAcceptedIndex(qobject_cast<QComboBox*>(widget), std::get<int>(value));
            break;
    }
}

morvenda::FilterConditions TfrmSelect::Conditions() const {
    // The table lists each stroke-group list before its radical list, as the radical's glyph
    // is read among the radicals of the group.
    morvenda::FilterConditions conditions;
    for (const FilterControl& control : morvenda::FilterControls()) {
        morvenda::WriteControl(conditions, control, ControlValueOf(control));
    }
    return conditions;
}

morvenda::SelectInput TfrmSelect::SettingsInput() const {
    morvenda::SelectInput input;
    for (const FilterControl& control : morvenda::FilterControls()) {
        if (morvenda::IsSavedInSettings(control)) {
            input.Set(control, ControlValueOf(control));
        }
    }
    return input;
}

void TfrmSelect::RestoreSettings(const morvenda::SelectInput& input) {
    for (const FilterControl& control : morvenda::FilterControls()) {
        if (!morvenda::IsSavedInSettings(control) || control.Kind == ControlKind::RadicalList) {
            continue;
        }
        SetControlValue(control, input.Value(control));
        if (control.Kind == ControlKind::StrokeGroupList) {
            cmb6_1AClick(qobject_cast<QComboBox*>(Control(control.ObjectName)));
        }
    }
    for (const FilterControl& control : morvenda::FilterControls()) {
        if (control.Kind == ControlKind::RadicalList) {
            SetControlValue(control, input.Value(control));
        }
    }
}
