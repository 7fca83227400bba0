// The script that focuses the n-th entry of the published menu on the live page.
#include "studio/live_page_focus.h"

#include <QWebEnginePage>
#include <QWebEngineView>

#include "host/publish/publish_page.h"

void OpenButtonPanel(QWebEngineView* view, int button)
{
    if (!view || !view->page() || button < 0)
        return;
    // The menu's element is the one whose id the publishing gives "$ID$"; its children are the
    // buttons (drop-downs and links, or list items).
    const QString script = QStringLiteral(
        "(function(id, n) {"
        "  var menu = document.getElementById(id);"
        "  if (!menu || n >= menu.children.length) return false;"
        "  var entry = menu.children[n];"
        "  var target = entry.matches('a, button') ? entry : entry.querySelector('a, button');"
        "  if (!target) return false;"
        "  target.focus({preventScroll: false});"
        "  return document.activeElement === target;"
        "})('%1', %2)")
                               .arg(QString::fromStdString(PublishRequest().name))
                               .arg(button);
    view->page()->runJavaScript(script);
}
