// CObject's defaults: its own class name and a serialisation that stores nothing.
#include "platform/object.h"

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    static const CRuntimeClass runtimeClass{"CObject"};
    return &runtimeClass;
}

void CObject::Serialize(CArchive&) {}
