// Whether an engine keeps every rule and declaration of the published stylesheets: each is read
// here from its text and compared with what the engine's own parser made of it. Only what carries
// a vendor prefix may be dropped, as each engine drops the others' prefixes.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { fileURLToPath } from 'node:url';

const VENDOR = /(^|[\s(:,])-(webkit|moz|ms|o)-/;

// A declaration block's declarations: split at the semicolons outside strings and parentheses
// (data: addresses hold some).
function splitDeclarations(body) {
  const parts = [];
  let start = 0;
  let depth = 0;
  let quote = null;
  for (let i = 0; i < body.length; ++i) {
    const ch = body[i];
    if (quote) { if (ch === quote && body[i - 1] !== '\\') quote = null; continue; }
    if (ch === '"' || ch === "'") quote = ch;
    else if (ch === '(') ++depth;
    else if (ch === ')') --depth;
    else if (ch === ';' && depth === 0) { parts.push(body.slice(start, i)); start = i + 1; }
  }
  parts.push(body.slice(start));
  return parts.filter((part) => part.trim());
}

// The style and font-face rules of a stylesheet in document order (inside @media too), each with
// its selector (or "@font-face") and the property names it declares. Enough CSS for the published
// sheets: comments, strings, nested at-rule blocks.
export function declaredRules(css) {
  const text = css.replace(/\/\*[\s\S]*?\*\//g, '');
  const rules = [];
  let at = 0;
  const readBlock = () => {
    const open = text.indexOf('{', at);
    const prelude = text.slice(at, open).trim();
    let depth = 1;
    let end = open + 1;
    let quote = null;
    for (; end < text.length && depth > 0; ++end) {
      const ch = text[end];
      if (quote) { if (ch === quote && text[end - 1] !== '\\') quote = null; continue; }
      if (ch === '"' || ch === "'") quote = ch;
      else if (ch === '{') ++depth;
      else if (ch === '}') --depth;
    }
    return { prelude, body: text.slice(open + 1, end - 1), next: end };
  };
  while (text.indexOf('{', at) >= 0) {
    const { prelude, body, next } = readBlock();
    at = next;
    if (prelude.startsWith('@media') || prelude.startsWith('@supports')) {
      rules.push(...declaredRules(body));
    } else if (prelude.startsWith('@keyframes') || prelude.startsWith('@-')) {
      // Keyframes hold no selectors to compare.
    } else {
      const declarations = splitDeclarations(body).filter((d) => d.includes(':') && !d.trim().startsWith('--'));
      rules.push({
        selector: prelude.startsWith('@font-face') ? '@font-face' : prelude,
        properties: declarations.map((d) => d.slice(0, d.indexOf(':')).trim().toLowerCase()),
        values: declarations.map((d) => d.slice(d.indexOf(':') + 1).trim()),
      });
    }
  }
  return rules;
}

// Runs inside the page: the engine's reading of the text, as a style element's sheet: for each
// rule the properties it holds and the values it gives the wanted ones (shorthands included).
function parsedRules({ css, wanted }) {
  const style = document.createElement('style');
  style.textContent = css;
  document.head.append(style);
  const rules = [];
  const walk = (list) => {
    for (const rule of list) {
      if (rule.cssRules && !(rule instanceof CSSStyleRule)) walk(rule.cssRules);
      if (!(rule instanceof CSSStyleRule) && !(rule instanceof CSSFontFaceRule)) continue;
      const declared = {};
      for (let i = 0; i < rule.style.length; ++i) declared[rule.style.item(i)] = true;
      for (const name of wanted) {
        if (rule.style.getPropertyValue(name) !== '') declared[name] = true;
      }
      rules.push({ selector: rule instanceof CSSFontFaceRule ? '@font-face' : rule.selectorText, declared: Object.keys(declared) });
    }
  };
  walk(style.sheet.cssRules);
  style.remove();
  return rules;
}

// A property the engine kept: itself (a shorthand that serialises), or a longhand named after it.
function kept(property, declared) {
  return declared.some((name) => name === property || name.startsWith(`${property}-`));
}

// Every stylesheet the page links, and its inline style elements, as the engine parsed them.
export async function checkStylesheetsParsed(page, engineName) {
  const sources = await page.evaluate(() => ({
    linked: [...document.querySelectorAll('link[rel="stylesheet"]')].map((link) => link.href),
    inline: [...document.querySelectorAll('style')].map((style) => style.textContent),
  }));
  const sheets = [
    ...sources.linked.filter((href) => href.startsWith('file:')).map((href) => ({ where: href, css: fs.readFileSync(fileURLToPath(href), 'utf8') })),
    ...sources.inline.map((css, i) => ({ where: `style element ${i}`, css })),
  ];
  assert.ok(sheets.length > 0, 'the page has stylesheets');
  for (const { where, css } of sheets) {
    const declared = declaredRules(css).filter((rule) => !VENDOR.test(rule.selector));
    const wanted = [...new Set(declared.flatMap((rule) => rule.properties))];
    const parsed = await page.evaluate(parsedRules, { css, wanted });
    // Engines spell selectors their own way, so rules are matched by their place.
    assert.equal(parsed.length, declared.length, `${where}: ${engineName} kept ${parsed.length} of ${declared.length} rules:\n` +
      `${parsed.map((rule) => rule.selector).join('\n')}\nof\n${declared.map((rule) => rule.selector).join('\n')}`);
    for (const [r, rule] of declared.entries()) {
      for (const [d, property] of rule.properties.entries()) {
        if (VENDOR.test(property) || VENDOR.test(rule.values[d])) continue;
        assert.ok(kept(property, parsed[r].declared), `${where}: ${engineName} dropped "${property}: ${rule.values[d]}" of ${rule.selector}`);
      }
    }
  }
}
