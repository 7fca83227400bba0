// Loading a plug-in module and looking up its exports.
#include "host/loader/plugin_module.h"

#include <dlfcn.h>

#include <vector>

#include "host/loader/generations.h"
#include "host/loader/host_errors.h"
#include "host/loader/module_folders.h"
#include "platform/files.h"

namespace {

template <typename Fn>
Fn LookUp(void* handle, const char* name, const std::string& path)
{
    void* symbol = dlsym(handle, name);
    if (!symbol)
        throw CommandError(path + ": not a menu plug-in module (no export " + name + ")");
    return reinterpret_cast<Fn>(symbol);
}

std::u16string ReadText(GetTextFn getText)
{
    // Ask with a growing buffer until the whole text fits.
    for (unsigned size = 256;; size *= 2) {
        std::u16string buffer(size, u'\0');
        unsigned length = getText(buffer.data(), size);
        if (length < size || size >= (1u << 20)) {
            buffer.resize(std::u16string_view(buffer.c_str()).size());
            return buffer;
        }
    }
}

}  // namespace

PluginModule::PluginModule(const std::string& nameOrPath)
{
    const Generation* named = GenerationNamed(nameOrPath);
    if (named && nameOrPath == GenerationName(*named)) {
        // Beside the program in a build tree, in the library folder once installed.
        std::string looked;
        for (const std::string& folder : ModuleFolders()) {
            m_path = folder + ModuleFileName(*named);
            if (FileExists(m_path))
                break;
            looked += (looked.empty() ? "" : " nor ") + folder;
            m_path.clear();
        }
        if (m_path.empty())
            throw CommandError(nameOrPath + ": no such plug-in module (not in " + looked + ")");
    } else {
        m_path = nameOrPath;
        if (!FileExists(m_path))
            throw CommandError(m_path + ": no such plug-in module");
    }
    // A path without a slash would make dlopen search the library path instead of opening this file.
    std::string openPath = m_path.find('/') == std::string::npos ? "./" + m_path : m_path;
    m_handle = dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* why = dlerror();
        throw CommandError(m_path + ": cannot load plug-in module (" + (why ? why : "unknown error") + ")");
    }
    m_create = LookUp<CreateExtensionObjectFn>(m_handle, "CreateExtensionObject", m_path);
    m_delete = LookUp<DeleteExtensionObjectFn>(m_handle, "DeleteExtensionObject", m_path);
    m_getDescription = LookUp<GetTextFn>(m_handle, "GetDescription", m_path);
    m_getToolbarText = LookUp<GetTextFn>(m_handle, "GetToolbarText", m_path);
    m_getToolbarBitmap = LookUp<GetToolbarBitmapFn>(m_handle, "GetToolbarBitmap", m_path);
}

std::u16string PluginModule::Description() const { return ReadText(m_getDescription); }

std::u16string PluginModule::ToolbarText() const { return ReadText(m_getToolbarText); }

PluginModule::ObjectPtr PluginModule::CreateObject() const
{
    CCorvaneExtension* object = m_create();
    if (!object)
        throw CommandError(m_path + ": the module could not create a menu object (out of memory)");
    return ObjectPtr(object, m_delete);
}
