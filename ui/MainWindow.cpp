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
#include "Shapes.h"
#include "Twips.h"

namespace {

// The menu's digit entries and the pattern each one sets.
struct DigitEntry {
    const char* control;
    const char* caption;
    const char* pattern;
};
const DigitEntry kDigitEntries[] = {{"mnuDue", "2", "0.0E+00"},
                                    {"mnuTre", "3", "0.00E+00"},
                                    {"mnuQuattro", "4", "0.000E+00"},
                                    {"mnuCinque", "5", "0.0000E+00"},
                                    {"mnuSei", "6", "0.00000E+00"}};

// Left and top of Command1 ... Command8, in twips.
const int kButtonPlaces[8][2] = {{120, 240},  {1560, 240},  {3000, 240},  {4440, 240},
                                 {120, 1680}, {1560, 1680}, {3000, 1680}, {4440, 1680}};

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

QIcon CentredPicture(const QString& file) {
    const QPixmap picture(file);
    QPixmap canvas(kButtonPictureSize);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawPixmap((canvas.width() - picture.width()) / 2, (canvas.height() - picture.height()) / 2, picture);
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
    for (int n = 1; n <= 8; ++n) {
        auto* button = new ShapeButton(centralWidget());
        button->setObjectName(QString("Command%1").arg(n));
        button->setText(QString("Trave%1").arg(n));
        button->setAccessibleName(button->text());
        button->setIcon(CentredPicture(":/" + QString::fromStdString(baricor::ShapeByNumber(n)->button)));
        button->setIconSize(kButtonPictureSize);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFocusPolicy(Qt::StrongFocus);
        QPalette white = button->palette();
        white.setColor(QPalette::Button, Qt::white);
        button->setPalette(white);
        button->setAutoFillBackground(true);
        button->setGeometry(FromTwips(kButtonPlaces[n - 1][0], kButtonPlaces[n - 1][1], 1215, 1215));
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
    connect(esci, &QAction::triggered, this, [] { OpenWindows::EndProgram(); });

    QMenu* view = menuBar()->addMenu("&Visualizza");
    view->setObjectName("mnuVisualizza");
    QMenu* digits = view->addMenu("Cifre Significative");
    digits->setObjectName("mnuCifre");
    for (size_t i = 0; i < digitEntries_.size(); ++i) {
        const DigitEntry& entry = kDigitEntries[i];
        QAction* action = digits->addAction(entry.caption);
        action->setObjectName(entry.control);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action, &entry] { ChooseDigits(action, entry.pattern); });
        digitEntries_[i] = action;
    }
    view->addSeparator()->setObjectName("mnulinea2");
    QAction* closeAll = view->addAction("Chiudi Tutto");
    closeAll->setObjectName("mnuChiudi");
    connect(closeAll, &QAction::triggered, this, [] {
        OpenWindows::CloseAllSectionWindows();
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

    // Built-up sections, after the menus the window has always had.
    QAction* composite = menuBar()->addAction(QString::fromUtf8("Sezione composta…"));
    composite->setObjectName("mnuComposta");
    composite->setShortcut(Qt::Key_F4);
    connect(composite, &QAction::triggered, this, [] { OpenWindows::OpenCompositeWindow(); });
}

void MainWindow::ResetDigits() {
    NumberNotation::SetResultFormat(std::string(baricor::kDefaultResultFormat));
    ClearDigitChecks();
    findChild<QAction*>("mnuQuattro")->setChecked(true);
}

void MainWindow::ClearDigitChecks() {
    for (QAction* entry : digitEntries_) entry->setChecked(false);
}

void MainWindow::ChooseDigits(QAction* entry, const char* pattern) {
    ClearDigitChecks();
    entry->setChecked(true);
    NumberNotation::SetResultFormat(pattern);
}
