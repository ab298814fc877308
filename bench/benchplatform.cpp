#include "benchplatform.h"

BenchPlatform::BenchPlatform(QString applicationFolder, const QProcessEnvironment &startedWith)
    : m_folder(std::move(applicationFolder))
    , m_real(startedWith)
{ }
