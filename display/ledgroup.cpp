#include "display/ledgroup.h"

#include "display/leddigit.h"

LedDigit *LedGroup::add(int index, QWidget *parent)
{
    auto *digit = new LedDigit(index, parent);
    digit->setObjectName(m_name);
    digit->setAccessibleName(m_name + u' ' + QString::number(index));
    m_members.insert(index, digit);
    return digit;
}
