#ifndef FBSDK_FBCOMPONENT_H
#define FBSDK_FBCOMPONENT_H
// Components: host objects with properties (FBComponent), boxes of the host's evaluation graph
// (FBBox), models and cameras, and the host's system object. Included through fbsdk/fbsdk.h.

#include <fbsdk/fbproperties.h>

#include <cstddef>

#ifdef FBSDKUseNamespace
namespace FBSDKNamespace {
#endif

class FBAnimationNode;
class FBFbxObject;
class DataFBComponent;
class DataFBBox;
class DataFBModel;
class DataFBCamera;
class DataFBSystem;

typedef kObjectCreatorFnc kFBObjectCreatorFnc;
//! Identifier that a plug-in gives an animation node of its own.
typedef unsigned long kReference;

//! What of an object is stored with a scene, or retrieved from it.
enum kFbxObjectStore : int;

//! Object with properties, created and destroyed by the host.
class FBSDK_DLL FBComponent : public FBPlug {
public:
    DataFBComponent* mLocalPtr;

protected:
    FBString mName;

public:
    FBPropertyManager PropertyList;
    FBPropertyListComponent Components;        //!< "Components": the components it holds
    FBPropertyListComponent Parents;           //!< "Parents": the components that hold it
    FBPropertyBool Selected;                   //!< "Selected"
    FBPropertyString Name;                     //!< "Name"
    FBPropertyString LongName;                 //!< "LongName": the name with its namespace
    FBPropertyBaseComponent<FBFolder*> Folder; //!< "Folder" it is shown in
    KObject* mDummyObject;

    static int TypeInfo;
    FBComponent(HIObject pObject);
    virtual ~FBComponent();
    virtual HIObject IQuery(kInterfaceID pInterfaceID, int IsLocal = 0) override;
    virtual void Destroy(int IsLocal = 0) override;
    virtual bool SetHIObject(HIObject pObject, bool pSDKComponent) override;
    virtual bool FBCreate();
    virtual void FBDestroy();
    //! Ends the object: FBDestroy, then, when its creator allocated it, the object itself.
    virtual void FBDelete() override;
    //! Adds a property to PropertyList; answers its index.
    virtual int PropertyAdd(FBProperty* pProperty);
    //! Whether the host shows the properties in the component's own order.
    virtual bool UseCustomPropertyViewSet() const { return true; }
    virtual const char* ClassName() override;
    virtual bool Is(int pTypeId) override;
    virtual int GetTypeId() override;

    void* operator new(size_t stAllocateBlock);
    void operator delete(void* pvMem);
    void* operator new(size_t stAllocateBlock, int blockType, const char* filename, int linenumber);
#if FBSDK_STANDIN_YEAR >= 2020
    void operator delete(void* pvMem, int blockType, const char* filename, int linenumber);
#endif
};

//! Component of the host's evaluation graph: animation nodes in and out, and the candidate
//! values that users set on them. The stand-in host evaluates no graph.
class FBSDK_DLL FBBox : public FBComponent {
    __FBClassDeclare(FBBox, FBComponent);

public:
    //! How a candidate value was taken.
    enum ECandidateAction : int;

    FBBox(const char* pName, HIObject pObject = NULL);
    virtual HIObject IQuery(kInterfaceID pInterfaceID, int IsLocal = 0) override;
    virtual void Destroy(int IsLocal = 0) override;

    virtual FBAnimationNode* AnimationNodeInCreate(kReference pUserId, const char* pName, const char* pDataType,
                                                   bool pNodeAnimatable = false, double* pMin = NULL,
                                                   double* pMax = NULL, bool pUserData = false);
    virtual FBAnimationNode* AnimationNodeOutCreate(kReference pUserId, const char* pName, const char* pDataType,
                                                    bool pNodeAnimatable = false, double* pMin = NULL,
                                                    double* pMax = NULL, bool pUserData = false);
    virtual bool EvaluateAnimationNodes(FBEvaluateInfo* pEvaluateInfo);
    virtual bool AnimationNodeNotify(FBAnimationNode* pAnimationNode, FBEvaluateInfo* pEvaluateInfo);
    virtual bool ResolveCandidate(FBAnimationNode* pAnimationNode, FBEvaluateInfo* pEvaluateInfo);
    virtual ECandidateAction SetGlobalCandidate(FBAnimationNode* pAnimationNode, double* pData,
                                                FBEvaluateInfo* pEvaluateInfo);
    virtual ECandidateAction SetStdCandidate(FBAnimationNode* pAnimationNode, double* pData,
                                             FBEvaluateInfo* pEvaluateInfo);
    //! Stores the box with a scene; answers whether it did.
    virtual bool FbxStore(FBFbxObject* pFbxObject, kFbxObjectStore pStoreWhat);
    //! Retrieves the box from a scene; answers whether it did.
    virtual bool FbxRetrieve(FBFbxObject* pFbxObject, kFbxObjectStore pStoreWhat);
    virtual bool AnimationNodeDestroy(FBAnimationNode* pAnimationNode);
    virtual bool AnimationNodeIsUserData(FBAnimationNode* pAnimationNode);
    virtual void AnimationNodesOutDisableIfNotWritten(FBEvaluateInfo* pEvaluateInfo);
    virtual FBAnimationNode* AnimationNodeInGet();
    virtual FBAnimationNode* AnimationNodeOutGet();
    // The two names under which boxes are stored with scenes: in 2023 the type comes first.
#if FBSDK_STANDIN_YEAR < 2023
    virtual const char* FbxGetObjectSubType();
    virtual const char* FbxGetObjectType();
#else
    virtual const char* FbxGetObjectType();
    virtual const char* FbxGetObjectSubType();
#endif
#if FBSDK_STANDIN_YEAR >= 2018
    virtual int GetOutConnectorCount() const;
    virtual int GetInConnectorCount() const;
    virtual FBAnimationNode* GetOutConnector(int pIndex) const;
    virtual FBAnimationNode* GetInConnector(int pIndex) const;
#endif

    const char* UniqueName;
    FBPropertyBool Animatable; //!< "Animatable"
    FBPropertyBool Live;       //!< "Live"
    FBPropertyBool RecordMode; //!< "RecordMode"
};

class FBSDK_DLL FBModel : public FBBox {
    __FBClassDeclare(FBModel, FBBox);

public:
    FBModel(const char* pName, HIObject pObject = NULL);
};

class FBSDK_DLL FBCamera : public FBModel {
    __FBClassDeclare(FBCamera, FBModel);

public:
    FBCamera(const char* pName, HIObject pObject = NULL);

protected:
    // The camera's other properties and data, which the stand-in host does not model, in the
    // space the host's camera gives them, so that the two read here sit where the host's sit.
    enum {
        kLeadingBytes = 6304,
#if FBSDK_STANDIN_YEAR < 2022
        kTrailingBytes = 7640
#elif FBSDK_STANDIN_YEAR < 2023
        kTrailingBytes = 8280
#else
        kTrailingBytes = 8376
#endif
    };
    unsigned char mUnmodelledLeading[kLeadingBytes];

public:
    FBPropertyDouble ResolutionWidth;  //!< "Resolution Width"
    FBPropertyDouble ResolutionHeight; //!< "Resolution Height"

protected:
    unsigned char mUnmodelledTrailing[kTrailingBytes];
};

//! The host's system object. A plug-in may hold one by value: it has the host's size.
class FBSDK_DLL FBSystem : public FBComponent {
    __FBClassDeclare(FBSystem, FBComponent);

public:
    FBSystem();

protected:
    // The system's properties and data, which the stand-in host does not model.
    enum {
#if FBSDK_STANDIN_YEAR < 2018
        kUnmodelledBytes = 3592
#elif FBSDK_STANDIN_YEAR < 2022
        kUnmodelledBytes = 3688
#else
        kUnmodelledBytes = 3784
#endif
    };
    unsigned char mUnmodelled[kUnmodelledBytes];
};

#ifdef FBSDKUseNamespace
} // namespace FBSDKNamespace
#endif

#endif // FBSDK_FBCOMPONENT_H
