#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include "engines/delivered_libraries.h"
#include "engines/duct_tables.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"
#include "network/circuit_model.h"
#include "network/network_window.h"
#include "platform/dialogs.h"
#include "tabs/program_state.h"

// The « Réseau » window opened on the delivered libraries and configuration,
// without a main window, in a data folder of its own; closed after each test
// (unsaved changes left unsaved).
class NetworkWindowTest : public testing::Test {
protected:
    QTemporaryDir data;
    ProgramState state;
    QTreeView* view = nullptr;
    CircuitModel* model = nullptr;
    QLabel* status = nullptr;
    int helpOpened = 0;
    int questions = 0;  // asked, each answered « Oui »

    void SetUp() override
    {
        const QString delivered = DeliveredLibraryFolder();
        PipeLibraryList ignoredWater, ignoredDrainage;
        ASSERT_TRUE(LoadSettings(delivered + QStringLiteral("Config.cfg"), ignoredWater, ignoredDrainage,
                                 state.domain.settings, 1));
        ScanLibraryFolder(delivered, state.domain.waterLibraries, state.domain.drainageLibraries);
        FillDuctTables(state.domain.ductMaterials, state.domain.standardDuctDiameters);
        state.folders.data = data.path() + u'/';
        OpenNetworkWindow(state, [this] { ++helpOpened; });
        ASSERT_NE(NetworkWindowWidget(), nullptr);
        SetMessageHook([this](const QString&, const QString&, MessageButtons) {
            ++questions;
            return int(AnswerYes);
        });
        NetworkWindowWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(NetworkWindowWidget()));
        view = NetworkWindowWidget()->findChild<QTreeView*>();
        model = qobject_cast<CircuitModel*>(view->model());
        for (QLabel* label : NetworkWindowWidget()->findChildren<QLabel*>())
            if (!label->accessibleDescription().isEmpty())
                status = label;
        ASSERT_NE(status, nullptr);
    }

    void TearDown() override
    {
        SetMessageHook([](const QString&, const QString&, MessageButtons) { return int(AnswerNo); });
        EndNetworkWindow(false);
        SetMessageHook(nullptr);
        Settle();
    }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QApplication::sendPostedEvents();
            QApplication::processEvents();
        }
    }

    int Column(const char* name) const
    {
        for (size_t c = 0; c < model->shown.columns.size(); ++c) {
            const char* columnName = NetworkColumnName(model->shown.columns[c]);
            if (columnName && QLatin1String(columnName) == QLatin1String(name))
                return static_cast<int>(c);
        }
        return -1;
    }

    // Types into the cell as a user does: the key that starts the edit, the
    // text, then Return.
    void Type(int row, const char* column, const QString& text)
    {
        view->setCurrentIndex(model->IndexOfRow(row, Column(column)));
        view->edit(view->currentIndex());
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << column;
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        Settle();
    }

    void Keys(const char* sequence)
    {
        // The completion's popup leaves no window active on the offscreen platform.
        if (QApplication::activeWindow() != NetworkWindowWidget()) {
            NetworkWindowWidget()->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(NetworkWindowWidget()));
        }
        view->setFocus();
        QTest::keySequence(view, QKeySequence(QString::fromLatin1(sequence)));
        // A mnemonic clicks its button once the button has shown itself pressed.
        if (QLatin1String(sequence).startsWith(QLatin1String("Alt+")))
            QTest::qWait(150);
        Settle();
    }

    // "T1(T2,T3(R1))": the rows by id as the tree shows them.
    QString Shape(const QModelIndex& parent = QModelIndex()) const
    {
        QStringList parts;
        for (int r = 0; r < model->rowCount(parent); ++r) {
            const QModelIndex index = model->index(r, 0, parent);
            QString part = index.data().toString();
            if (model->rowCount(index) > 0)
                part += u'(' + Shape(index) + u')';
            parts << part;
        }
        return parts.join(u',');
    }
};
