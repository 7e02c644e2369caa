#pragma once
// The program's one main window: the input panel, the birth chart, the result pages and the
// state a generation run leaves for the steps after it. The window reads its controls, asks
// the core for every text it shows and writes the answers back.

#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/rp_main_a.h"
#include "app/rp_main_b.h"
#include "chart/birth_chart.h"
#include "filters/filter_conditions.h"
#include "naming/candidate_lists.h"
#include "naming/generation.h"
#include "results/listed_rows.h"

class MessageBoxes;
class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeView;
class ResultListModel;
class TfrmSelect;
class QWidget;

namespace morvenda {
struct OnlinePage;
struct PageContext;
struct ResultRow;
}  // namespace morvenda

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    using TodaySource = std::function<morvenda::CivilDate()>;
    // Shows a web page; by default in the program's browser window.
    using PageOpener = std::function<void(const std::string& address)>;

    // Today is the computer's local date unless a caller fixes it.
    explicit TfrmMain(MessageBoxes& messageBoxes, TodaySource today = {},
                      QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Page controls show no tabs; this is the only way their pages change.
    void ShowPage(QStackedWidget* pageControl, int index);

    // Empties the chart's value labels and hides its link labels.
    void ClearChartLabels();

    // Shows the analysis link of the chart panel exactly while the detailed list has a row.
    void ShowNameAnalysisLink();

    // Charts the moment the date controls hold. False when it cannot be charted: the error
    // has been shown, the chart stays cleared and the run must stop.
    bool ComputeBirthChart();

    // Lists the whole CandidateList in the detailed list and the text list.
    void FillResultList();
    // Rebuilds the text list from the detailed list's rows in their current order.
    void FillTextList();

    const morvenda::CandidateList& Candidates() const { return candidates_; }
    // The detailed list's rows in the order it shows them.
    const morvenda::ListedRows& Rows() const { return listedRows_; }

    // Opens the address and returns once the page is closed again.
    void OpenWebPage(const std::string& address);
    // The online analysis of one result row; dest names the analysis.
    void OpenOnlineNameTest(const morvenda::ResultRow& row, std::string_view dest);
    void SetPageOpener(PageOpener opener);

    // The conditions the advanced run and 诗词起名 with 按筛选条件 apply. The filter dialog will
    // hold them; until it does they stay at their defaults unless set here.

public slots:
    // The generation run behind the three generation buttons; the sender tells the mode.
    void btn_CreateNameClick(QObject* sender);

    void btn_ShowNamePropertyClick();
    void btn_ReturnSimpleClick();
    void sbtn_QimingClick();
    void N6Click();
    // 诗词起名 from the menu: back to the naming page, then the run of btn_PoetryName.
    void N_PoetryClick();

    void cmb_CalendarTypeChange();
    // False when the year text is no number: the error has been shown and the month and day
    // selections are left as they were.
    bool cmb_YearClick();

    void listview_ResultColumnClick(int column);
    void cmb_Sort1Click(QComboBox* sender);
    void N89Click(QAction* sender);

    // The printed lists, each in the modal print preview; N10 prints the detailed list too.
    void btn_Print1Click();
    void btn_Print2Click();

    // Keeps the ticked rows in the favourites file, or in favourites mode removes them from it.
    void btn_AddFavoritesClick();
    // Lists the favourites file, each name under the family it was kept under.
    void sbtn_FavoritesClick();
    // Ticks the selected row and adds or removes it with the other ticked rows.
    void N9Click();

    // A later start of the program asked this copy to come to the front.
    void ActivationMessageReceived();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();

    void CreateMenus();
    void CreatePopupMenu();
    void CreateOnlineMenus(QMenuBar* bar);
    void ConnectOnlineLinks();
    void OpenOnlinePage(const morvenda::OnlinePage& page);
    morvenda::PageContext OnlinePageContext() const;
    QWidget* CreateToolbar();
    QWidget* CreateInputPanel();
    QWidget* CreatePoetryControls();
    QWidget* CreateChartPanel();
    QWidget* CreateResultPages();
    QWidget* CreateTextListPage();
    QWidget* CreateDetailedListPage();
    QWidget* CreateWelcomePage();
    void CreateStatusBar();
    void CreateShortcuts();
    void FillHourList();
    // In the lunar calendar, the months of the selected year. False when the year text is no
    // number: the month list is then empty.
    bool FillLunarMonths();
    // SaveSettings keeps the input and the filter conditions of a run that gets as far as
    // drawing; LoadSettings restores them when the window is first shown. Neither shows a
    // message: a file that cannot be read or written costs only the remembered input.
    void LoadSettings();
    void SaveSettings();
    // Reads the favourites file into the CandidateList. False when it cannot be read: the
    // error has been shown and the CandidateList is as it was.
    bool LoadFavorites();
    void SetStatusText(int panel, const QString& text);

    MessageBoxes& messageBoxes_;
    TodaySource today_;

    // State shared by the generation run, the chart and the result lists.
    std::string FamilyChar1;
    std::string FamilyChar2;
    int FamilyIndex1 = morvenda::CharCount;
    int FamilyIndex2 = morvenda::CharCount;
    bool FavoritesMode = false;
    morvenda::BirthFields Birth;
    // The chart the panel shows; empty while it is cleared.
    std::optional<morvenda::BirthChartTexts> shownChart_;
    bool SortAscending = false;
    morvenda::CandidateList candidates_;
    morvenda::ListedRows listedRows_;
    morvenda::NameGenerator generator_;
    bool shownOnce_ = false;
    Trp_MainA rp_MainA;
    Trp_MainB rp_MainB;
    PageOpener openPage_;
    // The filter dialog of the advanced mode, made once: its controls keep the conditions from
    // one showing to the next.
    TfrmSelect* frmSelect = nullptr;
    // The browser window, made with the first page it shows.
    QDialog* frmWebbrowser_ = nullptr;

    QToolButton* sbtn_Qiming = nullptr;
    QToolButton* sbtn_Favorites = nullptr;
    QToolButton* sbtn_onlineSM = nullptr;
    QToolButton* sbtn_dict = nullptr;
    QStackedWidget* pc_Main = nullptr;
    QWidget* Panel2 = nullptr;
    QLineEdit* edt_FirstName = nullptr;
    QComboBox* cmb_NameLength = nullptr;
    QComboBox* cmb_Sex = nullptr;
    QComboBox* cmb_CalendarType = nullptr;
    QComboBox* cmb_Year = nullptr;
    QComboBox* cmb_Month = nullptr;
    QComboBox* cmb_Day = nullptr;
    QComboBox* cmb_Hour = nullptr;
    QPushButton* btn_CreateName = nullptr;
    QPushButton* btn_SelectName = nullptr;
    QPushButton* btn_PoetryName = nullptr;
    QCheckBox* chk_PoetryFilter = nullptr;  // not saved, like the stroke-kind radio buttons
    QFrame* Panel4 = nullptr;
    QStackedWidget* pc_Result = nullptr;
    QPlainTextEdit* mmo_NameList = nullptr;
    QComboBox* cmb_Sort1 = nullptr;
    QPushButton* btn_ShowNameProperty = nullptr;
    QPushButton* btn_Print1 = nullptr;
    QTreeView* listview_Result = nullptr;
    ResultListModel* resultModel_ = nullptr;
    QComboBox* cmb_sort2 = nullptr;
    QPushButton* btn_ReturnSimple = nullptr;
    QPushButton* btn_Print2 = nullptr;
    QPushButton* btn_AddFavorites = nullptr;
    QLabel* Label27 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QLabel* statusPanels_[3] = {};
};
