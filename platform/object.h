// CObject: the minimal serialisable base with a run-time class name.
#pragma once

class CArchive;

struct CRuntimeClass {
    const char* m_lpszClassName;
};

class CObject {
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
