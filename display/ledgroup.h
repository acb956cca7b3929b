#pragma once

#include <QMap>
#include <QString>

class LedDigit;
class QWidget;

// A set of LED digits that share one name, addressed by index. The group does
// not own its digits: they belong to the window they sit on.
class LedGroup
{
public:
    explicit LedGroup(QString name) : m_name(std::move(name)) {}

    const QString &name() const { return m_name; }
    // Creates member `index` on `parent`, named after the group.
    LedDigit *add(int index, QWidget *parent);

    LedDigit *operator[](int index) const { return m_members.value(index); }
    int lastIndex() const { return m_members.isEmpty() ? -1 : m_members.lastKey(); }
    int count() const { return static_cast<int>(m_members.size()); }
    // Members in index order.
    QList<LedDigit *> members() const { return m_members.values(); }

private:
    QString m_name;
    QMap<int, LedDigit *> m_members;
};
