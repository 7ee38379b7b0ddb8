#pragma once
// Small helpers the settings-page sources share; not for other folders.
#include "channels/ChMem.h"
#include "channels/SettingsState.h"
#include "model/ImageMap.h"
#include "model/Model.h"

#include "app/Shell.h"
#include "charcode/Utf16.h"
#include "platform/Failure.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace channels::detail {

inline bool locked() {
    return FaceLocked(app::shell());
}

inline void notify(Ctl c, int index) {
    platform::host<SettingsPagesHost>().Changed(c, index);
}

// Element `index` of a control array whose elements start at `first`.
template <class Array> auto& at(Array& a, int index, int first = 0) {
    if (index < first || index >= static_cast<int>(a.size()))
        throw platform::Failure("Control array element " + std::to_string(index) + " doesn't exist");
    return a[static_cast<std::size_t>(index)];
}

// A list position that code or the user may set: -1 (none) or an item.
inline void checkPosition(const std::vector<std::string>& items, int position) {
    if (position < -1 || position >= static_cast<int>(items.size()))
        throw platform::Failure("Invalid property value: list position " + std::to_string(position));
}

// Code moves a list to position: true when it really moved (its handler is
// then due).
template <class List> bool moveTo(List& l, int position) {
    checkPosition(l.items, position);
    if (l.ListIndex == position) return false;
    l.ListIndex = position;
    return true;
}

// The user chose position: taken even when it is the one shown.
template <class List> void chooseIn(List& l, int position) {
    checkPosition(l.items, position);
    l.ListIndex = position;
}

// Text lengths count UTF-16 units, as the boxes do.
inline int units(const std::string& text) {
    return static_cast<int>(charcode::toUtf16(text).size());
}

// What a box of maxLength keeps of a text (0: everything).
inline std::string fitted(const std::string& text, int maxLength) {
    std::u16string u = charcode::toUtf16(text);
    if (maxLength <= 0 || static_cast<int>(u.size()) <= maxLength) return text;
    return charcode::toUtf8(u.substr(0, static_cast<std::size_t>(maxLength)));
}

// Sets a box's text as typed or shown; the caret stays inside the text.
inline bool putText(TextBox& t, const std::string& text) {
    const std::string kept = fitted(text, t.MaxLength);
    if (t.Text == kept) return false;
    t.Text = kept;
    t.SelStart = std::min(t.SelStart, units(kept));
    t.SelLength = 0;
    return true;
}

// A typed text against the text shown again from the image: the same but
// for spaces at the typed text's end, which the field stores as it stores
// none.
inline bool onlyTrailingSpacesMore(const std::string& typed, const std::string& shown) {
    return typed.compare(0, shown.size(), shown) == 0 &&
           typed.find_first_not_of(' ', shown.size()) == std::string::npos;
}

// A DTMF box's change: its text cleaned to DTMF characters and set back
// through setBack (whose nested change stores the cleaned text first), the
// caret after the text, then the field stored from what the box holds.
using SetBoxText = std::function<void(const std::string&)>;
void storeDtmfBox(model::ModelState& m, TextBox& box, const SetBoxText& setBack, model::map::Addr field,
                  int length);

// The linked enables.
void enableRxAlarmTime(SettingsPages& p);
void enableStunType(SettingsPages& p);

} // namespace channels::detail
