#include "AboutWindow.h"

#include <QLabel>
#include <QPushButton>

#include "Appearance.h"
#include "Fonts.h"
#include "Twips.h"

namespace {

const QColor kLightBlue(192, 192, 255);
const QColor kLightYellow(255, 255, 192);

struct InfoLine {
    const char* control;
    const char* text;
    baricor::TwipRect rect;
    QFont font;
    const QColor& background;
    Qt::Alignment alignment;
    bool wrapped;
};

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("Info");
    setWindowTitle("Informazioni su \"Baricor\"");
    setAccessibleName(windowTitle());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    setFixedSize(SizeFromTwips(4710, 3345));
    QPalette background = palette();
    background.setColor(QPalette::Window, kLightBlue);
    setPalette(background);
    setAutoFillBackground(true);

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(Appearance::WrenchIcon().pixmap(32, 32));
    image->setGeometry(FromTwips(120, 240, 480, 480));

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const InfoLine lines[] = {
        {"Label1", "Baricor v.1.0.0 (Luglio 2004)", {720, 240, 3855, 375}, SansFont(12, true), kLightBlue,
         Qt::AlignLeft | Qt::AlignTop, false},
        {"Label2", "Realizzato dal team di Baricor. Uso libero per studio e lavoro, senza alcuna garanzia.",
         {360, 720, 4215, 735}, SansFont(9.75, true), kLightBlue, centred, true},
        {"Label3", "Per ulteriori informazioni o aggiornamenti contattare l'autore all'indirizzo:",
         {120, 1560, 4455, 495}, DefaultFont(), kLightYellow, centred, true},
        {"Label4", "info@baricor.example", {120, 2040, 1695, 255}, SansFont(8.25, true), kLightYellow, centred, false},
        {"Label7", "oppure", {1800, 2040, 735, 255}, DefaultFont(), kLightYellow, centred, false},
        {"Label8", "supporto@baricor.example", {2520, 2040, 2055, 255}, SansFont(8.25, true), kLightYellow, centred,
         false},
        {"Label6", "o visitare il sito internet, all'indirizzo:", {120, 2280, 4455, 255}, DefaultFont(), kLightYellow,
         centred, false},
        {"Label5", "www.baricor.example", {120, 2520, 4455, 255}, SansFont(8.25, true), kLightYellow, centred, false},
    };
    for (const InfoLine& line : lines) {
        auto* label = new QLabel(QString::fromUtf8(line.text), this);
        label->setObjectName(line.control);
        label->setFont(line.font);
        label->setAlignment(line.alignment);
        label->setWordWrap(line.wrapped);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, line.background);
        label->setPalette(colours);
        label->setAutoFillBackground(true);
        label->setGeometry(FromTwips(line.rect));
        FitLabelText(label);
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command1");
    ok->setGeometry(FromTwips(1920, 2880, 1095, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}
