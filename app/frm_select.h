#pragma once
// The filter dialog of the advanced naming mode. Its controls are made from the core's binding
// table (filters/filter_controls.h), each under its table name and carrying its Tag, so the row
// rule, the conditions handed to a run and the settings file all go through that one table.

#include <QDialog>
#include <map>
#include <string_view>

#include "filters/filter_conditions.h"
#include "filters/filter_controls.h"
#include "settings/program_settings.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;

class TfrmSelect : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmSelect(QWidget* parent = nullptr);

    // The conditions the controls hold now, as the predicates read them.
    morvenda::FilterConditions Conditions() const;

    // What the control of the table shows now, and setting it as the user would: a row box
    // whose state changes runs the row rule; a stroke-group list refills its radical list only
    // when cmb6_1AClick runs for it.
    morvenda::ControlValue ControlValueOf(const morvenda::FilterControl& control) const;
    void SetControlValue(const morvenda::FilterControl& control,
                         const morvenda::ControlValue& value);

    // The values the settings file keeps, and restoring them as the user would set them, each
    // radical list once its stroke-group list has filled it.
    morvenda::SelectInput SettingsInput() const;
    void RestoreSettings(const morvenda::SelectInput& input);

  public slots:
    // The row rule, shared by all 18 row boxes.
    void chk1_1Click(QObject* sender);
    // Fills the radical list partnering the stroke-group list that sent it.
    void cmb6_1AClick(QComboBox* sender);
    void btn_OKClick();
    void btn_ResetClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    QWidget* CreateControl(const morvenda::FilterControl& control);
    QWidget* CreateTab(int tab);
    QWidget* Control(std::string_view name) const;

    std::map<std::string_view, QWidget*> controls_;
    QTabWidget* PageControl1 = nullptr;
};
