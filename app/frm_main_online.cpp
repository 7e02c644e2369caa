// The main window's ways into the web pages: the menus 免费测算, 其他功能 and 关于, the two tool
// buttons, the chart's links and the result list's name analysis. Every address comes from the
// online core; the pages open in the browser window, made when the first one opens.

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>
#include <QItemSelectionModel>
#include <QTreeView>
#include <functional>
#include <utility>

#include "app/browser_loader.h"
#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "online/page_address.h"
#include "online/page_table.h"
#include "online/stand_in_site.h"

namespace {

// Makes a label a link: a left click on it opens its page and the pointer turns into a hand,
// but only while the label has something to open.
class LabelLink final : public QObject {
  public:
    LabelLink(QLabel* label, std::function<bool()> live, std::function<void()> open)
        : QObject(label), live_(std::move(live)), open_(std::move(open)) {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::Enter) {
            if (live_()) {
                label->setCursor(Qt::PointingHandCursor);
            } else {
                label->unsetCursor();
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                label->rect().contains(mouse->position().toPoint()) && live_()) {
                open_();
                return true;
            }
        }
        return false;
    }

  private:
    std::function<bool()> live_;
    std::function<void()> open_;
};

QAction* PageItem(QMenu* menu, const morvenda::OnlinePage& page) {
    QAction* item = menu->addAction(ToQString(page.Caption));
    item->setObjectName(ToQString(page.Component));
    item->setProperty("Tag", page.Tag);
    item->setVisible(page.Visible);
    return item;
}

}  // namespace

void TfrmMain::CreateOnlineMenus(QMenuBar* bar) {
    const auto addItems = [this](QMenu* menu, std::string_view name) {
        for (const morvenda::OnlinePage* page : morvenda::PagesInMenu(name)) {
            connect(PageItem(menu, *page), &QAction::triggered, this,
                    [this, page] { OpenOnlinePage(*page); });
        }
    };
    QMenu* fortune = bar->addMenu(ToQString(morvenda::FortuneMenu));
    fortune->setObjectName(QStringLiteral("N2"));
    for (std::string_view submenu : morvenda::FortuneSubmenus) {
        addItems(fortune->addMenu(ToQString(submenu)), submenu);
    }
    QMenu* other = bar->addMenu(ToQString(morvenda::OtherMenu));
    other->setObjectName(QStringLiteral("N4"));
    addItems(other, morvenda::OtherMenu);
    QMenu* about = bar->addMenu(ToQString(morvenda::AboutMenu));
    about->setObjectName(QStringLiteral("N5"));
    addItems(about, morvenda::AboutMenu);
}

void TfrmMain::ConnectOnlineLinks() {
    for (const morvenda::OnlinePage& page : morvenda::OnlinePages()) {
        const QString name = ToQString(page.Component);
        switch (page.Trigger) {
            case morvenda::PageTrigger::ToolButton:
                connect(findChild<QToolButton*>(name), &QToolButton::clicked, this,
                        [this, &page] { OpenOnlinePage(page); });
                break;
            case morvenda::PageTrigger::ChartLabel: {
                QLabel* label = Panel4->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
                // The name analysis needs a listed row; every other link a chart.
                std::function<bool()> live = [this] { return shownChart_.has_value(); };
                if (page.Kind == morvenda::PageKind::NameTest) {
                    live = [this] { return listedRows_.Count() > 0; };
                }
                new LabelLink(label, std::move(live), [this, &page] { OpenOnlinePage(page); });
                break;
            }
            case morvenda::PageTrigger::ListDoubleClick:
                // Beside the columns the view reports a double-click without an item.
                connect(listview_Result, &QTreeView::doubleClicked, this,
                        [this, &page](const QModelIndex& index) {
                            if (index.isValid()) {
                                OpenOnlineNameTest(listedRows_.At(index.row()), page.Dest);
                            }
                        });
                break;
            case morvenda::PageTrigger::PopupItem: {
                QAction* first = PopupMenu1->actions().value(0);
                auto* item = new QAction(ToQString(page.Caption), PopupMenu1);
                item->setObjectName(name);
                PopupMenu1->insertAction(first, item);
                connect(item, &QAction::triggered, this, [this, &page] {
                    const QModelIndexList selected =
                        listview_Result->selectionModel()->selectedRows();
                    if (!selected.isEmpty()) {
                        OpenOnlineNameTest(listedRows_.At(selected.front().row()), page.Dest);
                    }
                });
                break;
            }
            case morvenda::PageTrigger::MenuItem:
                break;  // made with the menus
        }
    }
}

void TfrmMain::SetPageOpener(PageOpener opener) {
    openPage_ = std::move(opener);
}

void TfrmMain::OpenWebPage(const std::string& address) {
    if (openPage_) {
        openPage_(address);
        return;
    }
    if (!frmWebbrowser_) {
        LoadedBrowserWindow loaded = LoadBrowserWindow(this, &morvenda::StandInPage);
        if (!loaded.Window) {
            messageBoxes_.Error(this, loaded.Error);
            return;
        }
        frmWebbrowser_ = loaded.Window;
    }
    OpenInBrowserWindow(frmWebbrowser_, ToQString(address));
}

void TfrmMain::OpenOnlineNameTest(const morvenda::ResultRow& row, std::string_view dest) {
    morvenda::PageContext context = OnlinePageContext();
    OpenWebPage(morvenda::OnlineNameTestAddress(row, context.Sex, context.Birth, dest));
}

void TfrmMain::OpenOnlinePage(const morvenda::OnlinePage& page) {
    morvenda::PageContext context = OnlinePageContext();
    // The personality link analyses the first row as the list shows it.
    const morvenda::ResultRow* first = nullptr;
    if (listedRows_.Count() > 0) {
        first = &listedRows_.At(0);
    }
    context.Row = first;
    if (const auto address = morvenda::PageAddress(page, context)) {
        OpenWebPage(*address);
    }
}

morvenda::PageContext TfrmMain::OnlinePageContext() const {
    morvenda::PageContext context;
    context.FamilyText = FromQString(edt_FirstName->text());
    if (shownChart_) {
        context.StarSign = shownChart_->StarSign;
        context.Zodiac = shownChart_->Zodiac;
    }
    context.CurrentYear = today_().Year;
    context.Sex = FromQString(cmb_Sex->currentText());
    context.Birth = Birth;
    return context;
}
