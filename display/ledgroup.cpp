#include "display/ledgroup.h"

#include "display/ledlines.h"

ledlines *LedGroup::add(int index, QWidget *parent)
{
    auto *digit = new ledlines(index, parent);
    digit->setObjectName(m_name);
    digit->setAccessibleName(m_name + u' ' + QString::number(index));
    m_members.insert(index, digit);
    return digit;
}
