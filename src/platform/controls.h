#pragma once

#include <QString>
#include <QStringList>

#include "platform/platform_types.h"

class QWidget;

// Numbered controls. Every control number is unique in the program (main
// window 0-313, editor 400-420, help 421, about 422-429, console 430), so the
// functions below take the control number alone. Writes made here are the
// program's own: they never raise an event.

struct ControlRect {
    int x = 0, y = 0, w = 0, h = 0;  // relative to the tab page, or to the client area [px]
};

// Creates a control on the window's client area (tab = -1) or on page `tab` of the
// window's tab panel. False when the window is not open.
bool CreateControl(int window, int control, ControlKind kind, const QString& text, ControlRect where,
                   unsigned style = 0, int tab = -1);
bool ControlExists(int control);
// The control's widget, for tests and screenshots; null for an unknown number.
QWidget* ControlWidget(int control);

// SetText on a drop-down selects the item of that text (none when no item has it).
void SetText(int control, const QString& text);
QString GetText(int control);  // edit: its text; combo: the text of its edit part; drop-down: the selected item

// State: check box and option button 0/1; track bar position; drop-down, combo and
// tab panel: selected index (-1 none); list view: selected row (-1 none).
void SetState(int control, int state);
int GetState(int control);

// Items of drop-down lists and combo boxes.
void AddItem(int control, const QString& text);
void ClearItems(int control);
int CountItems(int control);
QString GetItemText(int control, int item);

void SetTrackBar(int control, int minimum, int maximum);
void SetTickFrequency(int control, int frequency);

// At most that many characters typed (0: no limit). In a digits-only field it is
// the digits of each number ("100+250" are two), and the program's own texts
// are kept whole.
void SetMaxLength(int control, int characters);
void SetReadOnly(int control, bool readOnly);
void SetEnabled(int control, bool enabled);
bool IsEnabled(int control);
void SetVisible(int control, bool visible);
bool IsVisible(int control);  // shown on its own (true on a hidden tab page too)
void SetTooltip(int control, const QString& text);
void SetAccessibleName(int control, const QString& name);  // what screen readers announce
void SetFont(int control, int font);                       // a font from CreateFont; -1 the system font
void SetBackground(int control, int rgb);                  // 0xRRGGBB; -1 the system background
void SetTextColour(int control, int rgb);                  // 0xRRGGBB; -1 the system colour
void MoveControl(int control, ControlRect where);
ControlRect GetControlRect(int control);
void SetFocus(int control);  // focus events follow, as for the user
bool HasFocus(int control);
void SelectAllText(int control);        // edit, or the edit part of a combo box
void SetImage(int control, int image);  // a registered image number

// Tab panel.
void AddTab(int control, const QString& caption);
void SetTabCaption(int control, int tab, const QString& caption);

// List view. The user's toggle of a row's check box posts a change event, a row
// selected or clicked a click event; both carry the row as the event's item.
void AddColumn(int control, const QString& title, int width, ColumnAlign align = ColumnLeft);
void SetColumn(int control, int column, const QString& title, int width);
int CountColumns(int control);
int AddRow(int control, const QStringList& cells, bool checked = false);
void ClearRows(int control);
int CountRows(int control);
QString GetCellText(int control, int row, int column);
void SetRowChecked(int control, int row, bool checked);
bool IsRowChecked(int control, int row);
void SetColumnBackground(int control, int column, int rgb);  // -1 the system background
void SetSelectionColour(int control,
                        int rgb);  // the selected row, focused or not, its text contrasting; -1 the palette's
int HitTestRow(int control);       // the row under the mouse pointer, -1 if none

// Menu bar of a window, and keyboard shortcuts; both post menu events.
void AddMenuItem(int window, const QString& menu, const QString& item, int itemNumber);
// keys in QKeySequence form: "F1", "Shift+F12", "Return", "+", "Esc"...
void AddShortcut(int window, const QString& keys, int itemNumber);
void RemoveShortcut(int window, int itemNumber);
