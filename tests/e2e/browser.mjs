// Starts Debian's headless Chromium for the page checks, cut off from every outside service.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const CHROMIUM = '/usr/bin/chromium';

// The machine has no network: without these switches Chromium keeps trying to reach update,
// sync and QUIC services and the first page load stalls on them.
const QUIET_ARGS = [
  '--headless',
  '--no-sandbox', // the tests run as root
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Launches Chromium with a fresh profile folder; close() ends the browser and removes the profile.
export async function launchBrowser({ width = 1280, height = 900 } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'trellis-e2e-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: QUIET_ARGS,
    viewport: { width, height },
    deviceScaleFactor: 1,
  });
  return {
    context,
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
