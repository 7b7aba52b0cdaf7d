-- The doormat (2Mat): a trigger volume the player walks through; it answers use and greets
-- whoever steps on it.
function OnCreate()
end

function OnTick()
end

function OnUse()
    PrintString("A worn mat. Someone waits behind this door.\n")
end

function OnPlayerEnter()
    PrintString("The mat creaks underfoot.\n")
end
