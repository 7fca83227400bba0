// Publishing a page with the menu, through the loaded module only: ask the module for its texts,
// fonts and links, assemble the page and the host's stylesheet, gather the fonts and files, and
// write them all into a folder together or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host/loader/session.h"

// What is published, and where; checked by whoever asks (the command line refuses bad values).
struct PublishRequest {
    std::filesystem::path out;
    std::string name = "MegaMenu1";  // replaces "$ID$"; the menu's element is "cv_" + name
    std::string title = "Trellis menu";
    std::vector<int> breakpoints;  // widths whose rules are published, each in its media rule
    bool access = true;            // the host's mends and access rules, and the "Menu" toggle
    std::string label = "Main";    // the accessible name of the menu's <nav>
};

// What the module answers when the host publishes it.
struct ModuleAnswers {
    std::string css;             // GetCSS, the base layout, then each breakpoint in its media rule
    std::string markup;          // GetHtml
    CStringArray textFonts;      // IncludeFonts: installed on the reader's system, not copied
    CStringArray resources;      // IncludeResource: files from the Font Awesome folder
    CString iconLibrary;         // GetFontLibrary: a library whose font is published, or empty
    std::vector<CString> links;  // GetURL of every slot that points to a local file
};

struct FontCopy {
    std::string source;
    std::string fileName;  // in the output folder
};

// The fonts the page needs, found before anything is written, and what could not be found.
struct Assets {
    std::vector<FontCopy> fonts;
    std::string fontRules;  // the font faces (and Font Awesome's classes), before the menu's rules
    std::vector<std::string> notes;
};

// The page around the menu.
struct Page {
    std::string stylesheetFile;  // NAME.css, beside the page
    std::string html;
    std::string hostCss;  // after the module's stylesheet, unless the request leaves out access
};

// A page ready to be written or shown: everything asked and assembled, nothing written.
struct PreparedPage {
    ModuleAnswers answers;
    Assets assets;
    Page page;
    // The whole stylesheet as NAME.css holds it: font rules, the module's rules, the host's rules.
    std::string Stylesheet() const { return assets.fontRules + answers.css + page.hostCss; }
};

// Asks the module and assembles the page; a font file that the module names and the folders lack
// is a CommandError. The host's rules are written from the settings the object's block holds.
PreparedPage PreparePage(Session& session, const PublishRequest& request, const FontFolders& folders);

struct WriteReport {
    std::vector<std::string> written;  // the stylesheet and the page
    std::vector<std::string> fonts;    // copied
    std::vector<std::string> linked;   // copied by the module
};

class StagedFiles;

// A folder inside the output folder where the module copies its linked files before they are
// moved into place; removed with whatever is left in it, however the step ends.
class StagingFolder {
public:
    explicit StagingFolder(const std::filesystem::path& out);  // a CommandError when it cannot be made
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Stages the files a menu publishes beside its page into `out`: the files its links point to (the
// module copies them), the fonts and the stylesheet. Nothing changes until `files` is committed,
// which must happen while `staging` lives. A failure is a CommandError.
void StageMenuFiles(CCorvaneExtension& menu, const std::filesystem::path& out, const StagingFolder& staging,
                    const PreparedPage& prepared, StagedFiles& files, WriteReport& report);

// Writes the page, its stylesheet and fonts into the request's folder and lets the module copy its
// linked files there: every file is written whole beside its place, then all are moved in together,
// the page last, so that a failure anywhere (a CommandError) leaves the folder as it was.
WriteReport WritePage(Session& session, const PublishRequest& request, const PreparedPage& prepared);
