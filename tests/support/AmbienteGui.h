#pragma once

#include <QByteArray>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace sestina::prova {

// A gtest environment holding an offscreen QGuiApplication for the whole run, for
// tests that paint (fonts and PDF output need one).
class AmbienteGui : public ::testing::Environment {
public:
    explicit AmbienteGui(std::string nome) : m_nome(std::move(nome)) {}
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_argv[0] = m_nome.data();
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::string m_nome;
    int m_argc = 1;
    char *m_argv[2] = {nullptr, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace sestina::prova
