#include "MainWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>

#include "Appearance.h"
#include "Fonts.h"
#include "HelpWindow.h"
#include "NumberNotation.h"
#include "OpenWindows.h"
#include "ResultFormat.h"
#include "SectionLayout.h"
#include "Shapes.h"
#include "Twips.h"
#include "WorkFileMenu.h"

namespace {

// The menu's digit entries, one per pattern of kResultFormats, in its order.
struct DigitEntry {
    const char* control;
    const char* caption;
};
const std::array<DigitEntry, baricor::kResultFormats.size()> kDigitEntries = {
    {{"mnuDue", "2"}, {"mnuTre", "3"}, {"mnuQuattro", "4"}, {"mnuCinque", "5"}, {"mnuSei", "6"}}};

// The shape buttons stand in rows of four, 1440 twips apart each way, the
// first at (120, 240); each is 1215 twips square.
constexpr int kButtonsPerRow = 4;
constexpr int kButtonStep = 1440;
constexpr int kButtonSize = 1215;
QRect ButtonPlace(int index) {
    return FromTwips(120 + (index % kButtonsPerRow) * kButtonStep, 240 + (index / kButtonsPerRow) * kButtonStep,
                     kButtonSize, kButtonSize);
}

// The system colour of active window borders on the desktop the layout was drawn on.
const QColor kActiveBorder(212, 208, 200);

// The largest button picture: every picture is centred on a canvas this size,
// so that the eight captions stand on one line.
const QSize kButtonPictureSize(52, 63);

// A picture button that Enter and the keypad's Enter press as well as Space,
// like the push buttons of the other windows.
class ShapeButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QToolButton::keyPressEvent(event);
    }
};

// On a dense screen the canvas, and the picture from the set at twice the
// pixels, are twice as dense; they are placed in the same logical pixels.
QIcon CentredPicture(const QString& file, qreal devicePixelRatio) {
    const QPixmap picture = Appearance::BuiltInPicture(file, devicePixelRatio);
    const qreal density = picture.devicePixelRatio();
    const QSize size = picture.deviceIndependentSize().toSize();
    QPixmap canvas(kButtonPictureSize * density);
    canvas.setDevicePixelRatio(density);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawPixmap((kButtonPictureSize.width() - size.width()) / 2,
                       (kButtonPictureSize.height() - size.height()) / 2, picture);
    painter.end();
    return QIcon(canvas);
}

}  // namespace

MainWindow::MainWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("Form1");
    setWindowTitle("Baricor v1.0.0");
    setAccessibleName(windowTitle());
    setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    move(Px(4845), Px(2040));

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(SizeFromTwips(5880, 3105));
    QPalette colours = client->palette();
    colours.setColor(QPalette::Window, kActiveBorder);
    client->setPalette(colours);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    BuildButtons();
    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ResetDigits();
}

void MainWindow::BuildButtons() {
    QWidget* previous = nullptr;
    const std::vector<const baricor::SectionShape*>& shapes = baricor::AllShapes();
    for (int n = 1; n <= int(shapes.size()); ++n) {
        const baricor::SectionLayout& layout = baricor::LayoutOf(*shapes[size_t(n) - 1]);
        auto* button = new ShapeButton(centralWidget());
        button->setObjectName(QString("Command%1").arg(n));
        button->setText(QString::fromStdString(layout.window));
        button->setAccessibleName(button->text());
        button->setIcon(CentredPicture(":/" + QString::fromStdString(layout.button), devicePixelRatioF()));
        button->setIconSize(kButtonPictureSize);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFocusPolicy(Qt::StrongFocus);
        QPalette white = button->palette();
        white.setColor(QPalette::Button, Qt::white);
        button->setPalette(white);
        button->setAutoFillBackground(true);
        button->setGeometry(ButtonPlace(n - 1));
        connect(button, &QToolButton::clicked, this, [n] { OpenWindows::OpenSectionWindow(n); });
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* esci = file->addAction("Esci");
    esci->setObjectName("mnuEsci");
    esci->setShortcut(OpenWindows::kQuitShortcut);
    // Ends the program from whichever window has the focus.
    esci->setShortcutContext(Qt::ApplicationShortcut);
    // Asks "Salvare le modifiche?" first where a work file's work changed.
    connect(esci, &QAction::triggered, this, [] { WorkSession::EndProgram(); });
    WorkSession::AttachTo(this);

    QMenu* view = menuBar()->addMenu("&Visualizza");
    view->setObjectName("mnuVisualizza");
    QMenu* digits = view->addMenu("Cifre Significative");
    digits->setObjectName("mnuCifre");
    for (size_t i = 0; i < digitEntries_.size(); ++i) {
        const DigitEntry& entry = kDigitEntries[i];
        QAction* action = digits->addAction(entry.caption);
        action->setObjectName(entry.control);
        action->setCheckable(true);
        const std::string pattern(baricor::kResultFormats[i]);
        connect(action, &QAction::triggered, this, [this, action, pattern] { ChooseDigits(action, pattern); });
        digitEntries_[i] = action;
    }
    view->addSeparator()->setObjectName("mnulinea2");
    QAction* closeAll = view->addAction("Chiudi Tutto");
    closeAll->setObjectName("mnuChiudi");
    connect(closeAll, &QAction::triggered, this, [] {
        OpenWindows::CloseAllSectionWindows();
        OpenWindows::CloseProfilesWindow();
        OpenWindows::CloseCompositeWindow();
    });

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    QAction* info = help->addAction("Info");
    info->setObjectName("mnuInfo");
    connect(info, &QAction::triggered, this, [] { OpenWindows::ShowAboutWindow(); });
    help->addSeparator()->setObjectName("mnulinea1");
    QAction* guida = help->addAction("Guida");
    guida->setObjectName("mnuGuida");
    connect(guida, &QAction::triggered, this, [this] { ShowHelpWindow(this); });

    // The catalogue of rolled profiles, an entry of the menu bar itself.
    QAction* profiles = menuBar()->addAction(QString::fromUtf8("&Profili…"));
    profiles->setObjectName("mnuProfili");
    profiles->setShortcut(Qt::Key_F5);
    connect(profiles, &QAction::triggered, this, [] { OpenWindows::OpenProfilesWindow(); });

    // Built-up sections, after the menus the window has always had.
    QAction* composite = menuBar()->addAction(QString::fromUtf8("Sezione composta…"));
    composite->setObjectName("mnuComposta");
    composite->setShortcut(Qt::Key_F4);
    connect(composite, &QAction::triggered, this, [] { OpenWindows::OpenCompositeWindow(); });
}

void MainWindow::ResetDigits() {
    NumberNotation::SetResultFormat(std::string(baricor::kDefaultResultFormat));
    ClearDigitChecks();
    digitEntries_[baricor::kDefaultResultFormatIndex]->setChecked(true);
}

void MainWindow::ClearDigitChecks() {
    for (QAction* entry : digitEntries_) entry->setChecked(false);
}

void MainWindow::ChooseDigits(QAction* entry, const std::string& pattern) {
    ClearDigitChecks();
    entry->setChecked(true);
    NumberNotation::SetResultFormat(pattern);
}
