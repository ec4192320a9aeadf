#include "MessageWindow.h"

#include <QLabel>
#include <QPushButton>

#include "Appearance.h"
#include "Fonts.h"
#include "Twips.h"

const MessageDefinition kNotNumericMessage{
    "Errore", 3795, 2400, "Non puoi immettere caratteri che non siano numeri, né lasciare la casella vuota!",
    {240, 720, 3495, 855}, true, true};
const MessageDefinition kCheckDataMessage{
    "Errore2", 3765, 2370, "Controllare i dati immessi!", {480, 960, 2775, 375}, false, false};

MessageWindow::MessageWindow(const MessageDefinition& d, QWidget* over) : QDialog(over) {
    setObjectName(d.window);
    setWindowTitle("Errore!");
    setAccessibleName(windowTitle());
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (d.ownIcon) setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    setFixedSize(SizeFromTwips(d.clientWidth, d.clientHeight));

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(Appearance::WarningPicture(devicePixelRatioF()));
    image->setGeometry(FromTwips(1560, 120, 480, 480));

    auto* label = new QLabel(QString::fromUtf8(d.text), this);
    label->setObjectName("Label1");
    label->setFont(SansFont(12));
    label->setWordWrap(d.wrapped);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(FromTwips(d.textRect));
    FitLabelText(label);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command1");
    ok->setGeometry(FromTwips(1320, 1800, 1095, 495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

namespace {

HeldMessages*& CurrentHold() {
    static HeldMessages* hold = nullptr;
    return hold;
}

void ShowMessage(const MessageDefinition& definition, QWidget* over) {
    if (HeldMessages* hold = CurrentHold()) {
        hold->held << definition.window;
        return;
    }
    // On the heap: exec() deletes it on return even if `over` went away meanwhile.
    auto* window = new MessageWindow(definition, over);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->exec();
}

}  // namespace

HeldMessages::HeldMessages() : outer_(CurrentHold()) { CurrentHold() = this; }
HeldMessages::~HeldMessages() { CurrentHold() = outer_; }

void ShowNotNumericMessage(QWidget* over) { ShowMessage(kNotNumericMessage, over); }
void ShowCheckDataMessage(QWidget* over) { ShowMessage(kCheckDataMessage, over); }
