// Publishes menus with the trellis program into a work folder, as the site-design application would.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

export const FONT_AWESOME_DIR = '/usr/share/fonts-font-awesome/fonts';
export const MATERIAL_ICONS_TTF =
  '/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf';

// The local file the sample menus link to, and where publishing must put it.
export const LINKED_FILE = 'brochure.pdf';
export const LINKED_SUBFOLDER = 'docs';

function trellis(program, args) {
  try {
    return execFileSync(program, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
  } catch (error) {
    throw new Error(`trellis ${args.join(' ')} failed (${error.status}):\n${error.stdout}${error.stderr}`);
  }
}

// A font library folder as the icon engine expects it: one subfolder per library holding its font.
function materialIconsLibrary(workDir) {
  const library = path.join(workDir, 'fontlib');
  const folder = path.join(library, 'Material Icons');
  fs.mkdirSync(folder, { recursive: true });
  fs.copyFileSync(MATERIAL_ICONS_TTF, path.join(folder, path.basename(MATERIAL_ICONS_TTF)));
  return library;
}

// Adds a breakpoint record to a stored block by way of the menu's JSON form, written whole so
// that the records it has are all listed.
function addBreakpointRecord(program, plugin, block, key, values) {
  const json = `${block}.json`;
  const common = ['--plugin', plugin];
  trellis(program, ['export', ...common, block, '-o', json, '--all-settings']);
  const menu = JSON.parse(fs.readFileSync(json, 'utf8'));
  menu.breakpoints.push({ key: String(key), record: values.join('|') });
  fs.writeFileSync(json, JSON.stringify(menu, null, 2));
  trellis(program, ['import', ...common, json, '-o', block]);
}

// Stores the menu a case describes and publishes it to <workDir>/<id>/site; with --no-access
// (menu.plain) the page is as the module's stylesheet alone makes it. menu.record adds a
// breakpoint record ({ key, values }) that is published with --breakpoint.
// Returns the published folder, the page's file URL and the menu's identifier.
export function publishMenu(program, workDir, menu) {
  const caseDir = path.join(workDir, menu.id);
  fs.rmSync(caseDir, { recursive: true, force: true });
  fs.mkdirSync(caseDir, { recursive: true });
  const block = path.join(caseDir, 'menu.blk');
  const outDir = path.join(caseDir, 'site');

  const common = ['--plugin', menu.plugin, '--fa', FONT_AWESOME_DIR, '--publish-folder', `pdf|${LINKED_SUBFOLDER}`];
  if (menu.library && menu.library !== 'Font Awesome') common.push('--fonts', materialIconsLibrary(caseDir));

  let linkedSource = null;
  if (menu.make === 'sample') {
    linkedSource = path.join(caseDir, LINKED_FILE);
    fs.writeFileSync(linkedSource, `%PDF-1.4\n% brochure linked from the ${menu.id} menu\n`);
    const args = ['sample', ...common, '--file-link', linkedSource, '-o', block];
    if (menu.library) args.push('--library', menu.library);
    if (menu.icons === 'svg') args.push('--inline-svg');
    trellis(program, args);
  } else {
    trellis(program, ['new', ...common, '-o', block]);
  }

  const publishArgs = ['publish', ...common, block, '--out', outDir, '--name', menu.name];
  if (menu.record) {
    addBreakpointRecord(program, menu.plugin, block, menu.record.key, menu.record.values);
    publishArgs.push('--breakpoint', String(menu.record.key));
  }
  if (menu.plain) publishArgs.push('--no-access');
  const log = trellis(program, publishArgs);
  return {
    outDir,
    linkedSource,
    log,
    url: pathToFileURL(path.join(outDir, 'index.html')).href,
  };
}
