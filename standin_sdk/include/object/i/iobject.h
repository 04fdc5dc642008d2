#ifndef OBJECT_I_IOBJECT_H
#define OBJECT_I_IOBJECT_H
// The host's object interface: every object of the host, and every SDK wrapper, answers
// interface queries and can be destroyed through it.

//! Identifier of an interface that IQuery asks an object for.
typedef unsigned long kInterfaceID;

class IObject;
typedef IObject* HIObject;

//! The host's object interface. Like the host's own, it has no virtual destructor: objects are
//! ended through Destroy.
class IObject {
public:
    virtual HIObject IQuery(kInterfaceID pInterfaceID, int IsLocal = 0) = 0;
    virtual void Destroy(int IsLocal = 0) = 0;
};

//! An object that the host calls back.
class ICallback : public IObject {};

//! The function that creates an object of a registered class for the host.
typedef HIObject (*kObjectCreatorFnc)(HIObject pOwner, const char* pName, void* pData);

#endif // OBJECT_I_IOBJECT_H
