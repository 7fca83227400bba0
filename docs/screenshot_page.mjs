// Photographs a published page for the guide: points at one of the menu's drop-down buttons so its
// panel is open, then saves the top of the page.
// Usage: node docs/screenshot_page.mjs PAGE.html MENU-NAME BUTTON-INDEX OUT.png
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchBrowser } from '../tests/e2e/browser.mjs';
import { hoverButton } from '../tests/e2e/menu_page.mjs';

const [pagePath, menuName, buttonIndex, outPath] = process.argv.slice(2);
if (!outPath) {
  console.error('usage: node docs/screenshot_page.mjs PAGE.html MENU-NAME BUTTON-INDEX OUT.png');
  process.exit(2);
}
const browser = await launchBrowser({ width: 1100, height: 480 });
try {
  const page = await browser.context.newPage();
  await page.goto(pathToFileURL(path.resolve(pagePath)).href);
  await hoverButton(page, menuName, 'Trellisv2', Number(buttonIndex));
  await page.screenshot({ path: outPath });
} finally {
  await browser.close();
}
