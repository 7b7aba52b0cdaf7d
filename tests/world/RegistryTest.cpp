// The object registry: ids in registration order, lookups by id and by whole, case-sensitive name.
#include "graphics/GraphicsSystem.h"
#include "world/GameWorld.h"

#include <gtest/gtest.h>

#include <string>

using namespace irr;

namespace {

GameObject* named(const char* name) {
    GameObject* o = new GameObject();
    o->node = GraphicsSystem::instance().sceneManager->addEmptySceneNode();
    o->node->setName(name);
    return o;
}

}  // namespace

TEST(Registry, IdsFollowRegistrationAndTheLaterNameWins) {
    GraphicsSystem::useDriver(video::EDT_NULL);
    GameWorld& world = GameWorld::instance();
    const std::string longName(40, 'x');
    GameObject* a = named("Door");
    GameObject* b = named("door");
    GameObject* c = named("Door");
    GameObject* d = named(longName.c_str());
    EXPECT_EQ(world.registerObject(a), 1);
    EXPECT_EQ(world.registerObject(b), 2);
    EXPECT_EQ(world.registerObject(c), 3);
    EXPECT_EQ(world.registerObject(d), 4);

    EXPECT_EQ(world.findObject(1), a);
    EXPECT_EQ(world.findObject(3), c);
    EXPECT_EQ(world.findObject(0), nullptr);
    EXPECT_EQ(world.findObject(5), nullptr);
    EXPECT_EQ(world.findObjectId("Door"), 3);
    EXPECT_EQ(world.findObjectId("door"), 2);
    EXPECT_EQ(world.findObjectId("DOOR"), 0);
    EXPECT_EQ(world.findObjectId(longName.c_str()), 4);  // long names are keyed whole
    EXPECT_EQ(world.findObjectId(longName.substr(0, 31).c_str()), 0);
    ASSERT_EQ(world.objects.size(), 4u);
    EXPECT_EQ(world.objects.front(), a);
}
