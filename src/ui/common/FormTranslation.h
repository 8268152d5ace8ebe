#pragma once

#include <QWidget>

namespace vitrano {

class Tlanguage;

// Translates a form in place: its title and the captions and hints of labels, buttons, check
// and radio buttons, group boxes, tab pages, list-view headers, menus, actions and combo-box
// items, in nested containers too. Edit fields, list boxes and grid cells stay German, and so
// do separate windows parented to the form (they translate themselves). True on success or
// when translation is off; false when an error stopped the walk (what was translated stays).
bool UebersetzeForm(QWidget* form, Tlanguage& translator);
// The same with the translator of the running program.
bool UebersetzeForm(QWidget* form);

} // namespace vitrano
