// The in-place build of the live page, as a script run in the page.
#include "studio/live_page_patch.h"

#include <QJsonDocument>
#include <QJsonValue>

namespace {

// A string as a JavaScript literal: JSON's quoting is JavaScript's, and it never ends a script.
QString Literal(const QString& text)
{
    QString json = QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{text}).toJson(QJsonDocument::Compact));
    return json.mid(1, json.size() - 2);  // "[...]" without its brackets
}

}  // namespace

QString PatchPageScript(const QString& html, const QUrl& folder, const QMap<QString, QString>& stylesheets, int build)
{
    // The <base> makes every relative address of the new build (stylesheets, fonts, links) resolve
    // in its folder; the document itself stays the one first navigated to. Old stylesheets stay
    // until the new ones have loaded, so the menu never shows unstyled; a stylesheet the studio
    // read beside the page goes in as its text, which spares the engine a load (most of the time an
    // update took). The studio's own elements (ids starting "trellis-studio-") survive.
    static const QString script = QStringLiteral(R"JS(
(function (html, base, sheets, build, prefix) {
  function say(text) { console.log(prefix + text); }
  try {
    var next = new DOMParser().parseFromString(html, 'text/html');
    var head = document.head;
    var baseElement = document.getElementById('trellis-studio-base');
    if (!baseElement) {
      baseElement = document.createElement('base');
      baseElement.id = 'trellis-studio-base';
      head.insertBefore(baseElement, head.firstChild);
    }
    baseElement.href = base;
    function isSheet(e) {
      return (e.tagName === 'STYLE' || (e.tagName === 'LINK' && /\bstylesheet\b/i.test(e.rel))) &&
             !(e.id || '').startsWith('trellis-studio-');
    }
    var old = Array.prototype.filter.call(head.children, isSheet);
    var pending = 1;
    function loaded() {
      if (--pending !== 0) return;
      try {
        var x = window.scrollX, y = window.scrollY;
        old.forEach(function (e) { e.remove(); });
        document.title = next.title;
        for (const name of ['lang', 'dir', 'class'])
          if (next.documentElement.hasAttribute(name))
            document.documentElement.setAttribute(name, next.documentElement.getAttribute(name));
          else
            document.documentElement.removeAttribute(name);
        var body = document.importNode(next.body, true);
        document.body.replaceWith(body);
        Array.prototype.forEach.call(head.children, function (e) {
          if ((e.id || '').startsWith('trellis-studio-') && e !== baseElement) head.appendChild(e);
        });
        window.scrollTo(x, y);
        say('shown:' + build);
      } catch (error) {
        say('failed:' + build + ': ' + error);
      }
    }
    Array.prototype.filter.call(next.head.children, isSheet).forEach(function (e) {
      var href = e.tagName === 'LINK' ? e.getAttribute('href') : null;
      var sheet;
      if (href !== null && Object.prototype.hasOwnProperty.call(sheets, href)) {
        sheet = document.createElement('style');
        sheet.setAttribute('data-href', href);
        if (e.media) sheet.media = e.media;
        sheet.textContent = sheets[href];
      } else {
        sheet = document.importNode(e, true);
      }
      if (sheet.tagName === 'LINK') {
        ++pending;
        sheet.addEventListener('load', loaded);
        sheet.addEventListener('error', loaded);
      }
      head.appendChild(sheet);
    });
    loaded();
  } catch (error) {
    say('failed:' + build + ': ' + error);
  }
})(%1, %2, %3, %4, %5);
)JS");
    QVariantMap sheets;
    for (auto it = stylesheets.begin(); it != stylesheets.end(); ++it)
        sheets.insert(it.key(), it.value());
    const QString sheetsObject = QString::fromUtf8(QJsonDocument::fromVariant(sheets).toJson(QJsonDocument::Compact));
    return script.arg(Literal(html), Literal(folder.toString(QUrl::FullyEncoded)), sheetsObject,
                      QString::number(build), Literal(kPatchMessagePrefix));
}

bool ParsePatchMessage(const QString& message, PatchMessage* out)
{
    if (!message.startsWith(kPatchMessagePrefix))
        return false;
    const QString rest = message.mid(kPatchMessagePrefix.size());
    const bool shown = rest.startsWith(QStringLiteral("shown:"));
    if (!shown && !rest.startsWith(QStringLiteral("failed:")))
        return false;
    const QString tail = rest.mid(rest.indexOf(QLatin1Char(':')) + 1);
    const qsizetype end = tail.indexOf(QLatin1Char(':'));
    bool number = false;
    const int build = (end < 0 ? tail : tail.left(end)).toInt(&number);
    if (!number)
        return false;
    out->build = build;
    out->shown = shown;
    out->reason = end < 0 ? QString() : tail.mid(end + 1).trimmed();
    return true;
}
