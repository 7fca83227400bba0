// Opens a button's panel on the live page: the button takes the keyboard focus, which the published
// page's access rules answer by showing its panel, as when a visitor tabs to it.
#pragma once

class QWebEngineView;

void OpenButtonPanel(QWebEngineView* view, int button);
