// Publishes a menu into a site's own pages with the trellis program and opens a page two folders
// deep in Chromium: the stylesheet is found, the panel opens, and every menu link leads to a file
// that exists (with its bookmark, where it names one).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { after, before, describe, it } from 'node:test';

import { launchBrowser } from './browser.mjs';
import { hoverButton, openPage } from './menu_page.mjs';

const PROGRAM = process.env.TRELLIS_PROGRAM;
const WORK = process.env.TRELLIS_E2E_WORK;
if (!PROGRAM || !WORK) throw new Error('run through tests/e2e/run.sh: TRELLIS_PROGRAM and TRELLIS_E2E_WORK are unset');
const SCREENSHOTS = path.join(WORK, 'screenshots');

function page(title, body) {
  return `<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n<title>${title}</title>\n</head>\n` +
    `<body>\n${body}\n</body>\n</html>\n`;
}

// A site of pages at three depths, each asking for the menu, and one that does not.
function makeSite(caseDir) {
  const site = path.join(caseDir, 'site');
  const files = {
    'index.html': page('Home', '<!-- trellis MegaMenu1 -->\n<h1 id="welcome">Welcome</h1>'),
    'study/index.html': page('Study', '<nav data-trellis="MegaMenu1" aria-label="Main"></nav>\n<h1 id="top">Study</h1>'),
    'study/ug/bsc-cs.html': page('BSc Computer Science',
      '<nav data-trellis="MegaMenu1" aria-label="Main"></nav>\n<h1>BSc</h1>\n<section id="fees">Fees</section>'),
    'about/contact.html': page('Contact', '<p>No menu on this page.</p>'),
  };
  for (const [name, text] of Object.entries(files)) {
    fs.mkdirSync(path.dirname(path.join(site, name)), { recursive: true });
    fs.writeFileSync(path.join(site, name), text);
  }
  const logo = path.join(caseDir, 'prospectus.pdf');
  fs.writeFileSync(logo, '%PDF-1.4\n');
  const link = (text, url) => ({ text, url });
  const menu = {
    generation: 'Trellisv2',
    buttons: [
      {
        text: 'Study', columns: 2,
        groups: [
          { text: 'Courses', links: [link('Home', './index.html#welcome'), link('Study', './study/index.html#top'),
            link('BSc', './study/ug/bsc-cs.html#fees')] },
          { text: 'More', links: [link('Contact', 'about/contact.html'),
            link('Prospectus', `file://${logo.replaceAll('/', '\\')}`)] },
        ],
      },
      { text: 'Home', groups: [{ text: '', links: [link('Home', './index.html')] }] },
    ],
  };
  const menuFile = path.join(caseDir, 'menu.json');
  fs.writeFileSync(menuFile, JSON.stringify(menu, null, 2));
  return { site, menuFile };
}

describe('a menu published into a site', () => {
  let browser;
  let site;
  before(async () => {
    const caseDir = path.join(WORK, 'into-site');
    fs.rmSync(caseDir, { recursive: true, force: true });
    fs.mkdirSync(caseDir, { recursive: true });
    const made = makeSite(caseDir);
    site = made.site;
    execFileSync(PROGRAM, ['publish', '--plugin', 'Trellisv2', made.menuFile, '--into', site,
      '--publish-folder', 'pdf|docs'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
    browser = await launchBrowser();
    fs.mkdirSync(SCREENSHOTS, { recursive: true });
  });
  after(async () => {
    await browser?.close();
  });

  it('reaches every link from a page two folders deep', async () => {
    const tab = await browser.context.newPage();
    try {
      await openPage(tab, pathToFileURL(path.join(site, 'study/ug/bsc-cs.html')).href, { width: 1280 });
      const styled = await tab.evaluate(() => {
        const link = document.querySelector('link[rel="stylesheet"]');
        return { loaded: !!link?.sheet, href: link?.getAttribute('href'),
          display: getComputedStyle(document.getElementById('MegaMenu1')).display };
      });
      assert.deepEqual(styled, { loaded: true, href: '../../MegaMenu1.css', display: 'flex' });
      await hoverButton(tab, 'MegaMenu1', 'Trellisv2', 0);
      await tab.screenshot({ path: path.join(SCREENSHOTS, 'into-site-depth-2.png') });

      const links = await tab.evaluate(() =>
        [...document.querySelectorAll('#cv_MegaMenu1 a[href]')].map((a) => ({ text: a.textContent.trim(), href: a.href })));
      assert.equal(links.length, 6);
      for (const { text, href } of links) {
        const url = new URL(href);
        assert.equal(url.protocol, 'file:', `${text}: ${href}`);
        const file = fileURLToPath(new URL(url.pathname, url));
        assert.ok(file.startsWith(site + path.sep), `${text} leads out of the site: ${file}`);
        assert.ok(fs.existsSync(file), `${text} leads to a file that does not exist: ${file}`);
        if (url.hash) {
          const id = decodeURIComponent(url.hash.slice(1));
          assert.match(fs.readFileSync(file, 'utf8'), new RegExp(`id="${id}"`), `${text}: no bookmark ${id} in ${file}`);
        }
      }
      const byText = Object.fromEntries(links.map(({ text, href }) => [text, href]));
      assert.equal(byText.Prospectus, pathToFileURL(path.join(site, 'docs/prospectus.pdf')).href);
    } finally {
      await tab.close();
    }
  });
});
