#ifndef KEST_GL_RECORDER_GL_FUNCTIONS_H
#define KEST_GL_RECORDER_GL_FUNCTIONS_H
// The GL entry points that the recorder defines, one row each:
//   KEST_GL_FUNCTION(name, changesTextures, (parameters), (arguments), then)
// name is the entry point without "gl". changesTextures marks the calls that make, fill or delete a
// texture, which Replay cannot make again. The arguments are recorded in order, pointers left out
// (every pointer parameter is the last), and handed on to libGL; then is a statement run after
// libGL's call, empty for most. The enum GlFunction, Name(), Replay and the definitions are all
// made from this list: recording one more function is one more row.
#define KEST_GL_FUNCTIONS(KEST_GL_FUNCTION)                                                                            \
    /* The frame, shapes and text of every draw. */                                                                    \
    KEST_GL_FUNCTION(GetIntegerv, false, (GLenum pName, GLint * pValues), (pName, pValues),                            \
                     kestdial::AnswerViewport(pName, pValues))                                                         \
    KEST_GL_FUNCTION(PushAttrib, false, (GLbitfield pMask), (pMask), )                                                 \
    KEST_GL_FUNCTION(PopAttrib, false, (), (), )                                                                       \
    KEST_GL_FUNCTION(MatrixMode, false, (GLenum pMode), (pMode), )                                                     \
    KEST_GL_FUNCTION(PushMatrix, false, (), (), )                                                                      \
    KEST_GL_FUNCTION(PopMatrix, false, (), (), )                                                                       \
    KEST_GL_FUNCTION(LoadIdentity, false, (), (), )                                                                    \
    KEST_GL_FUNCTION(                                                                                                  \
        Ortho, false,                                                                                                  \
        (GLdouble pLeft, GLdouble pRight, GLdouble pBottom, GLdouble pTop, GLdouble pNear, GLdouble pFar),             \
        (pLeft, pRight, pBottom, pTop, pNear, pFar), )                                                                 \
    KEST_GL_FUNCTION(BlendFunc, false, (GLenum pSource, GLenum pDestination), (pSource, pDestination), )               \
    KEST_GL_FUNCTION(Disable, false, (GLenum pCapability), (pCapability), )                                            \
    KEST_GL_FUNCTION(Enable, false, (GLenum pCapability), (pCapability), )                                             \
    KEST_GL_FUNCTION(LineWidth, false, (GLfloat pWidth), (pWidth), )                                                   \
    KEST_GL_FUNCTION(Begin, false, (GLenum pMode), (pMode), )                                                          \
    KEST_GL_FUNCTION(End, false, (), (), )                                                                             \
    KEST_GL_FUNCTION(Color4f, false, (GLfloat pRed, GLfloat pGreen, GLfloat pBlue, GLfloat pAlpha),                    \
                     (pRed, pGreen, pBlue, pAlpha), kestdial::NoteColour(pRed, pGreen, pBlue, pAlpha))                 \
    KEST_GL_FUNCTION(Vertex2f, false, (GLfloat pX, GLfloat pY), (pX, pY), )                                            \
    KEST_GL_FUNCTION(BindTexture, false, (GLenum pTarget, GLuint pTexture), (pTarget, pTexture), )                     \
    KEST_GL_FUNCTION(TexEnvi, false, (GLenum pTarget, GLenum pName, GLint pValue), (pTarget, pName, pValue), )         \
    KEST_GL_FUNCTION(TexCoord2f, false, (GLfloat pS, GLfloat pT), (pS, pT), )                                          \
    KEST_GL_FUNCTION(Vertex3f, false, (GLfloat pX, GLfloat pY, GLfloat pZ), (pX, pY, pZ), )                            \
    /* The frame's state of every draw, set and given back; the entry points from OpenGL 1.3 on */                     \
    /* are those that glXGetProcAddressARB answers, below. */                                                          \
    KEST_GL_FUNCTION(GetTexEnviv, false, (GLenum pTarget, GLenum pName, GLint * pValues), (pTarget, pName, pValues), ) \
    KEST_GL_FUNCTION(PolygonMode, false, (GLenum pFace, GLenum pMode), (pFace, pMode), )                               \
    KEST_GL_FUNCTION(ShadeModel, false, (GLenum pMode), (pMode), )                                                     \
    KEST_GL_FUNCTION(PixelTransferi, false, (GLenum pName, GLint pValue), (pName, pValue), )                           \
    KEST_GL_FUNCTION(PixelTransferf, false, (GLenum pName, GLfloat pValue), (pName, pValue), )                         \
    KEST_GL_FUNCTION(ActiveTexture, false, (GLenum pUnit), (pUnit), )                                                  \
    KEST_GL_FUNCTION(ClientActiveTexture, false, (GLenum pUnit), (pUnit), )                                            \
    KEST_GL_FUNCTION(BlendEquation, false, (GLenum pMode), (pMode), )                                                  \
    KEST_GL_FUNCTION(BindBuffer, false, (GLenum pTarget, GLuint pBuffer), (pTarget, pBuffer), )                        \
    KEST_GL_FUNCTION(UseProgram, false, (GLuint pProgram), (pProgram), )                                               \
    /* FTGL's making and filling of glyph textures, when a face meets a glyph it has not drawn at */                   \
    /* its size: on a face's first draws and after a FaceSize. */                                                      \
    KEST_GL_FUNCTION(GenTextures, true, (GLsizei pCount, GLuint * pTextures), (pCount, pTextures), )                   \
    KEST_GL_FUNCTION(TexParameteri, false, (GLenum pTarget, GLenum pName, GLint pValue), (pTarget, pName, pValue), )   \
    KEST_GL_FUNCTION(TexImage2D, true,                                                                                 \
                     (GLenum pTarget, GLint pLevel, GLint pInternalFormat, GLsizei pWidth, GLsizei pHeight,            \
                      GLint pBorder, GLenum pFormat, GLenum pType, const GLvoid* pPixels),                             \
                     (pTarget, pLevel, pInternalFormat, pWidth, pHeight, pBorder, pFormat, pType, pPixels), )          \
    KEST_GL_FUNCTION(PushClientAttrib, false, (GLbitfield pMask), (pMask), )                                           \
    KEST_GL_FUNCTION(PopClientAttrib, false, (), (), )                                                                 \
    KEST_GL_FUNCTION(PixelStorei, false, (GLenum pName, GLint pValue), (pName, pValue), )                              \
    KEST_GL_FUNCTION(TexSubImage2D, true,                                                                              \
                     (GLenum pTarget, GLint pLevel, GLint pX, GLint pY, GLsizei pWidth, GLsizei pHeight,               \
                      GLenum pFormat, GLenum pType, const GLvoid* pPixels),                                            \
                     (pTarget, pLevel, pX, pY, pWidth, pHeight, pFormat, pType, pPixels), )                            \
    KEST_GL_FUNCTION(GetTexLevelParameteriv, false, (GLenum pTarget, GLint pLevel, GLenum pName, GLint * pValues),     \
                     (pTarget, pLevel, pName, pValues), )                                                              \
    KEST_GL_FUNCTION(DeleteTextures, true, (GLsizei pCount, const GLuint* pTextures), (pCount, pTextures), )

#endif // KEST_GL_RECORDER_GL_FUNCTIONS_H
