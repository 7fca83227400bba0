// MenuDocument: the one menu object the studio holds, made through the module exactly as the host
// makes it, with its file and its whole-menu blocks for saving, undo and recovery.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/loader/session.h"
#include "host/publish/publish_into_site.h"
#include "host/publish/publish_page.h"

class QWidget;

class MenuDocument {
public:
    // A new object of the generation's module, given the host settings (whose plugin is replaced
    // by the generation unless it already names a module of it).
    MenuDocument(const Generation& generation, const HostSettings& settings);

    // Opens a menu file (a block, or JSON by its name) as the preferred generation; a file only
    // another generation reads opens as that one. Failures are CommandErrors naming the file.
    static MenuDocument Open(const std::string& path, const Generation& preferred, const HostSettings& settings);

    MenuDocument(MenuDocument&&) = default;
    MenuDocument& operator=(MenuDocument&&) = default;

    const Generation& generation() const { return *m_session.generation; }
    CCorvaneExtension& object() { return *m_session.object; }
    const HostSettings& settings() const { return m_settings; }

    // The file the menu was opened from or last saved to; empty for a new menu.
    const std::string& path() const { return m_path; }
    void setPath(const std::string& path) { m_path = path; }

    // The object's stored block, as Serialize writes it.
    std::string Block();
    // The block a menu file keeps: the default layout's values in the twelve breakpoint fields,
    // whichever breakpoint is in effect (a file is loaded at -1).
    std::string FileBlock();
    // Puts the menu of `block` in place of the current one: a fresh object made through the module,
    // so that nothing of the old one (its breakpoint records above all) survives, then switched to
    // the breakpoint that was current. A block that cannot be read is a CommandError; the menu stays.
    void Restore(const std::string& block);
    // New host settings (folders, site structure, publish table): the same menu in a new object.
    void SetHostSettings(const HostSettings& settings);

    // Writes the menu file (block or JSON by the name), whole or not at all, and takes its path.
    void Save(const std::string& path);

    // The module's properties sheet over `parent`; true when it ended with a change to the block.
    bool RunProperties(QWidget* parent);

    // The breakpoint whose values the object holds (LoadBreakpointData), -1 at first.
    int32_t currentBreakpoint() const { return m_session.currentBreakpoint; }
    void SwitchBreakpoint(int32_t key);
    // A record for a new width, holding the values in effect; UsageError for a width taken or not above 0.
    void AddBreakpoint(int32_t width);
    // Removes a record (never -1's); UsageError for a key without one.
    void RemoveBreakpoint(int32_t key);
    // The keys of the menu's breakpoint records (-1 first, then ascending), and the widths among them.
    std::vector<int32_t> BreakpointKeys();
    std::vector<int> BreakpointWidths();

    // What the menu check finds in the current block.
    std::vector<std::string> Problems();

    // The page as publishing would write it, with the rules of every breakpoint width.
    PreparedPage PreparePage(PublishRequest& request);
    // Publishes the menu to request.out, all or nothing; `notes` gets what was left out (a font
    // the folders lack, a linked file that is not there).
    WriteReport Publish(PublishRequest& request, std::vector<std::string>* notes = nullptr);
    // Publishes the menu into every page of the site in request.out that holds its marker, with
    // the rules of every breakpoint width, by the host's own run: all or nothing, a CommandError
    // naming the file and the problem when anything stands in the way.
    SitePublishing PublishInto(PublishRequest& request);

private:
    HostSettings m_settings;
    Session m_session;
    std::string m_path;
};
