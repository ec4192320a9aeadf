#pragma once
// Errore and Errore2: the two modal messages of the section windows. Each
// showing builds the window afresh and blocks every other window until it is
// answered.

#include <QDialog>
#include <QStringList>

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

// While one lives, the two messages are held instead of shown: a work file's
// texts are written as if typed, and what those keystrokes would have said is
// reported once when the whole file is in place.
class HeldMessages {
public:
    HeldMessages();
    ~HeldMessages();
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;
    // The windows ("Errore", "Errore2") that would have come up, in order.
    QStringList held;

private:
    HeldMessages* outer_;
};

// Show the message modally over `over` and return once it is closed.
void ShowNotNumericMessage(QWidget* over);
void ShowCheckDataMessage(QWidget* over);
