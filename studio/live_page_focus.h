// Opens a button's panel on the live page, as pointing at it would, while the button is selected in
// the outline: a rule of the studio's own, added to the page, shows that panel (the page's own
// rules show a panel only under the pointer or the keyboard focus, which the designer has elsewhere).
#pragma once

class QWebEngineView;

// Shows the panel of the button (counted from 0) on the page, and no other; -1 shows none.
void OpenButtonPanel(QWebEngineView* view, int button);
