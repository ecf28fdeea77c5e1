#include "cell_model.h"

namespace zyt {

int CellLayout::addArray(const QString &name, int first, int last)
{
    Q_ASSERT(first <= last);
    arrays_.push_back(Array{name, first, last, int(slots_.size())});
    slots_.resize(slots_.size() + size_t(last - first + 1), -1);
    return int(arrays_.size()) - 1;
}

int CellLayout::addCell(int array, int index, CellInfo info)
{
    const Array &a = arrays_[size_t(array)];
    Q_ASSERT(index >= a.first && index <= a.last);
    int &slot = slots_[size_t(a.slotBase + index - a.first)];
    if (slot >= 0) {
        infos_[size_t(slot)] = std::move(info);
        return slot;
    }
    slot = int(infos_.size());
    infos_.push_back(std::move(info));
    where_.push_back(Where{array, index});
    return slot;
}

int CellLayout::findArray(QStringView name) const
{
    for (size_t i = 0; i < arrays_.size(); ++i)
        if (arrays_[i].name == name)
            return int(i);
    for (size_t i = 0; i < arrays_.size(); ++i)
        if (name.compare(arrays_[i].name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int CellLayout::find(QStringView name, int index) const
{
    const int array = findArray(name);
    return array < 0 ? -1 : id(array, index);
}

CellModel::CellModel(const CellLayout &layout, QString windowName, QObject *parent)
    : QObject(parent), layout_(layout), windowName_(std::move(windowName))
{
    texts_.resize(size_t(layout_.cellCount()));
    looks_.reserve(size_t(layout_.cellCount()));
    for (int id = 0; id < layout_.cellCount(); ++id) {
        const CellInfo &info = layout_.info(id);
        CellLook look;
        look.foreColor = info.foreColor;
        look.backColor = info.backColor;
        look.readOnly = info.readOnly;
        look.tabStop = info.tabStop;
        look.alignment = info.alignment;
        looks_.push_back(look);
    }
    resetToDefaults();
}

void CellModel::absentCell(int array, int index) const
{
    qFatal("%s: %s(%d) does not exist", qPrintable(windowName_),
           qPrintable(layout_.arrayName(array)), index);
}

void CellModel::setLook(int id, const CellLook &look)
{
    CellLook &current = looks_[size_t(id)];
    if (current == look)
        return;
    current = look;
    emit lookChanged(id);
}

void CellModel::setText(int id, const QString &text)
{
    QString &cell = texts_[size_t(id)];
    if (cell == text)
        return;
    cell = text;
    emit cellChanged(id);
}

const QString *CellModel::text(QStringView array, int index) const
{
    const int id = find(array, index);
    return id < 0 ? nullptr : &texts_[size_t(id)];
}

bool CellModel::setText(QStringView array, int index, const QString &text)
{
    const int id = find(array, index);
    if (id < 0)
        return false;
    setText(id, text);
    return true;
}

void CellModel::resetToDefaults()
{
    for (int id = 0; id < layout_.cellCount(); ++id)
        setText(id, layout_.info(id).defaultText);
}

} // namespace zyt
