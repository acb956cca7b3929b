#pragma once

#include <QMap>
#include <QString>

class ledlines;
class QWidget;

// A set of LED digits that share one name, addressed by index. The group does
// not own its digits: they belong to the window they sit on.
class LedGroup
{
public:
    explicit LedGroup(QString name) : m_name(std::move(name)) {}

    const QString &name() const { return m_name; }
    // Creates member `index` on `parent`, named after the group.
    ledlines *add(int index, QWidget *parent);

    ledlines *operator[](int index) const { return m_members.value(index); }
    int UBound() const { return m_members.isEmpty() ? -1 : m_members.lastKey(); }
    int Count() const { return static_cast<int>(m_members.size()); }
    // Members in index order.
    QList<ledlines *> members() const { return m_members.values(); }

private:
    QString m_name;
    QMap<int, ledlines *> m_members;
};
