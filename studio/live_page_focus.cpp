// The script that adds, or takes away, the studio's rule showing one button's panel on the live page.
#include "studio/live_page_focus.h"

#include <QWebEnginePage>
#include <QWebEngineView>

#include "host/publish/publish_page.h"

void OpenButtonPanel(QWebEngineView* view, int button)
{
    if (!view || !view->page())
        return;
    // The menu's element has the id publishing gives "$ID$"; its children are the buttons. The
    // panel is the first generation's megamenu or the second's drop-down content.
    const QString script = QStringLiteral(
        "(function(id, n) {"
        "  var old = document.getElementById('trellis-studio-open-panel');"
        "  if (old) old.remove();"
        "  if (n < 0) return false;"
        "  var entry = '#' + id + ' > :nth-child(' + (n + 1) + ')';"
        "  var style = document.createElement('style');"
        "  style.id = 'trellis-studio-open-panel';"
        "  style.textContent = entry + ' .dropdown-megamenu, ' + entry + ' .dropdown-content'"
        "    + ' { display: block; z-index: 7777; }';"
        "  document.head.appendChild(style);"
        "  return true;"
        "})('%1', %2)")
                               .arg(QString::fromStdString(PublishRequest().name))
                               .arg(button < 0 ? -1 : button);
    view->page()->runJavaScript(script);
}
