#pragma once
// Errore and Errore2: the two modal messages of the section windows. Each
// showing builds the window afresh and blocks every other window until it is
// answered.

#include <QDialog>

#include "TwipRect.h"

struct MessageDefinition {
    const char* window;     // "Errore"
    int clientWidth;        // twips
    int clientHeight;
    const char* text;
    baricor::TwipRect textRect;
    bool wrapped;
    bool ownIcon;           // carries the wrench in its title bar
};

// "Non puoi immettere caratteri ...": the changed field is not a number.
extern const MessageDefinition kNotNumericMessage;
// "Controllare i dati immessi!": the data give a negative second moment.
extern const MessageDefinition kCheckDataMessage;

class MessageWindow : public QDialog {
    Q_OBJECT
public:
    MessageWindow(const MessageDefinition& definition, QWidget* over);
};

// Show the message modally over `over` and return once it is closed.
void ShowNotNumericMessage(QWidget* over);
void ShowCheckDataMessage(QWidget* over);
