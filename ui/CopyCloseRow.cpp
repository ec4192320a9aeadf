#include "CopyCloseRow.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "Twips.h"

CopyCloseRow MakeCopyCloseRow(QWidget* window, const std::function<void()>& copy) {
    CopyCloseRow made;
    made.copy = new QPushButton("Copia");
    made.copy->setObjectName("Copy");
    QObject::connect(made.copy, &QPushButton::clicked, window, copy);
    made.close = new QPushButton("Chiudi");
    made.close->setObjectName("Close");
    QObject::connect(made.close, &QPushButton::clicked, window, &QWidget::close);
    made.row = new QHBoxLayout;
    made.row->addStretch();
    for (QPushButton* button : {made.copy, made.close}) {
        button->setFixedSize(SizeFromTwips(1215, 375));
        button->setAutoDefault(true);
        made.row->addWidget(button);
    }
    return made;
}
