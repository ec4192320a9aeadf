#pragma once
// The about window: shown without blocking, one at a time.

#include <QDialog>

class Info : public QDialog {
    Q_OBJECT
public:
    explicit Info(QWidget* parent = nullptr);
};
