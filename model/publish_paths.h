// Where published files go: the publish subfolder of a file's type, and local file links rewritten
// to the relative addresses of their published copies.
#pragma once

#include "platform/arrays.h"
#include "platform/cstring.h"

// The subfolder that the publish table ("ext|folder" entries) gives for the file's extension,
// lower-cased, or empty text. The last matching entry wins; a path without extension has none.
CString GetPublishSubFolder(const CStringArray& publishFolders, const CString& path);

// A link to a local file ("file://...") turned into "./" plus the publish subfolder of its type
// and the file name; every other address is returned unchanged.
CString GetRealURL(const CStringArray& publishFolders, const CString& url);
// The same address appended to the text, as the markup writes it for every link.
void AppendRealURL(CString& out, const CStringArray& publishFolders, const CString& url);
