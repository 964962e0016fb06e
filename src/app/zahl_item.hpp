#pragma once
// A table cell that sorts by a number (in Qt::UserRole) rather than by its text:
// "9.8" before "10.2", times and "—" where the caller gives them a rank.
#include <QTableWidgetItem>

class Zahl_Item : public QTableWidgetItem {
public:
    Zahl_Item(const QString& text, double wert) : QTableWidgetItem(text) {
        setData(Qt::UserRole, wert);
    }
    bool operator<(const QTableWidgetItem& b) const override {
        return data(Qt::UserRole).toDouble() < b.data(Qt::UserRole).toDouble();
    }
};
