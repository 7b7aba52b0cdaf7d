-- The doormat (2Mat): a trigger volume the player walks through; it only answers use.
function OnCreate()
end

function OnTick()
end

function OnUse()
    PrintString("A worn mat. Someone waits behind this door.\n")
end
