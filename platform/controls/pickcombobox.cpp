#include "platform/controls/pickcombobox.h"

PickComboBox::PickComboBox(QWidget *parent)
    : ItemComboBox(parent)
{
    setEditable(false);
}
