#pragma once
#include <QWidget>

class TForm_Main : public QWidget {
    Q_OBJECT
public:
    TForm_Main();
};
