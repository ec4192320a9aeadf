#include "HelpWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Appearance.h"
#include "Fonts.h"
#include "Twips.h"

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("Guida");
    setWindowTitle("Guida in Linea");
    setAccessibleName(windowTitle());
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(Appearance::WrenchIcon());
    setFont(DefaultFont());
    setFixedSize(SizeFromTwips(4755, 3015));

    auto* title = new QLabel("Baricor v.1.0.0 (Luglio 2004)", this);
    title->setObjectName("Label1");
    title->setFont(SansFont(13.5, true));
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title->setGeometry(FromTwips(240, 120, 4335, 495));
    FitLabelText(title);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName("Text1");
    text->setFont(SerifFont(14.25, true));
    text->setGeometry(FromTwips(600, 720, 3375, 1455));
    // Four lines, all in sight: a line break after "Guida." would only add an
    // empty fifth line.
    text->setTabChangesFocus(true);  // read-only: Tab moves on to "Esci"
    FitPlainText(text, "Per la Guida in linea, \nconsultare il file Guida.htm \nche trovi nella cartella \nGuida.");

    auto* close = new QPushButton("Esci", this);
    close->setObjectName("Command1");
    close->setGeometry(FromTwips(1560, 2400, 1455, 495));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void ShowHelpWindow(QWidget* over) {
    auto* window = new HelpWindow(over);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->exec();
}
