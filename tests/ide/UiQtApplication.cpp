// The window tests of the IDE need one QApplication, made before the first test runs.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment final : public testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "ide_tests";
        static char *argv[] = {name, nullptr};
        if (!QApplication::instance())
            m_app = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication *m_app = nullptr;
};

[[maybe_unused]] testing::Environment *const g_environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
